#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantList>

namespace quorv {

class Db;

// One column of a grid: its caption and the table column it shows.
struct GridColumn {
    QString caption;
    QString column;
};

// A read-only table model over a query that holds only a window of rows in memory: rows are
// read in pages on demand, so a grid over a million rows costs a few pages, not the whole result.
class RowWindowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RowWindowModel(Db &db, QObject *parent = nullptr);

    void setColumns(QList<GridColumn> columns);
    const QList<GridColumn> &columns() const { return m_columns; }
    // Runs the query (a plain select) and shows its rows in the order the engine returns them.
    // Raises DbError when the engine refuses it.
    void setQuery(const QString &sql, const QVariantList &values = {});
    // Reads the query again.
    void refresh();

    // Every column of one row (not only the shown ones).
    QSqlRecord record(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static constexpr int kPageSize = 256;
    static constexpr int kPagesKept = 8;

private:
    const QList<QSqlRecord> &page(int number) const;

    Db &m_db;
    QList<GridColumn> m_columns;
    QString m_sql;
    QVariantList m_values;
    int m_rows = 0;
    mutable QHash<int, QList<QSqlRecord>> m_pages;
    mutable QList<int> m_recent; // page numbers, most recent last
};

} // namespace quorv
