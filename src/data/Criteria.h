#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace quorv {

// Builds "select * from <table> where 1=1" followed by criteria, in the order they are added.
// Values are bound, never pasted into the text. Column names come from the program's own data.
class Criteria {
public:
    explicit Criteria(QString table);

    // column = value (text compares without regard to letter case).
    Criteria &equals(const QString &column, const QVariant &value);
    // from <= column <= to, both ends included; an absent upper end leaves the range open.
    Criteria &range(const QString &column, const QVariant &from, const QVariant &to = {});
    // Dates: on a date column both days are included; on a date-time column the range runs from
    // midnight of the first day to midnight of the last day, so the last day itself is left out.
    Criteria &dateRange(const QString &column, const QDate &from, const std::optional<QDate> &to);
    // A fixed condition of the program's own, such as "qianzi <> ''".
    Criteria &fixed(const QString &condition, const QVariantList &values = {});

    QString sql() const;
    const QVariantList &values() const { return m_values; }

private:
    QString m_table;
    QStringList m_fragments;
    QVariantList m_values;
};

} // namespace quorv
