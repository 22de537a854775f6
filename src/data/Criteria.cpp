#include "data/Criteria.h"

#include "data/Clock.h"
#include "data/Schema.h"

namespace quorv {

Criteria::Criteria(QString table) : m_table(std::move(table)) {}

Criteria &Criteria::equals(const QString &column, const QVariant &value)
{
    m_fragments << QStringLiteral("and %1 = ?").arg(column);
    m_values << value;
    return *this;
}

Criteria &Criteria::range(const QString &column, const QVariant &from, const QVariant &to)
{
    m_fragments << QStringLiteral("and %1 >= ?").arg(column);
    m_values << from;
    if (to.isValid()) {
        m_fragments << QStringLiteral("and %1 <= ?").arg(column);
        m_values << to;
    }
    return *this;
}

Criteria &Criteria::dateRange(const QString &column, const QDate &from, const std::optional<QDate> &to)
{
    const schema::Kind kind = schema::kindOf(m_table, column);
    const bool withTime = kind == schema::Kind::DateTime || kind == schema::Kind::Stamp;
    auto bound = [withTime](const QDate &d) {
        return withTime ? toStoredDateTime(QDateTime(d, QTime(0, 0))) : toStoredDate(d);
    };
    return range(column, bound(from), to ? QVariant(bound(*to)) : QVariant());
}

Criteria &Criteria::fixed(const QString &condition, const QVariantList &values)
{
    m_fragments << QStringLiteral("and ") + condition;
    m_values << values;
    return *this;
}

QString Criteria::sql() const
{
    QString text = QStringLiteral("select * from %1 where 1=1").arg(m_table);
    for (const QString &f : m_fragments)
        text += QLatin1Char(' ') + f;
    return text;
}

} // namespace quorv
