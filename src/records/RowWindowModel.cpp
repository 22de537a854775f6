#include "records/RowWindowModel.h"

#include "data/Db.h"
#include "data/Errors.h"

namespace quorv {

RowWindowModel::RowWindowModel(Db &db, QObject *parent) : QAbstractTableModel(parent), m_db(db) {}

void RowWindowModel::setColumns(QList<GridColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    endResetModel();
}

void RowWindowModel::setQuery(const QString &sql, const QVariantList &values)
{
    m_sql = sql;
    m_values = values;
    refresh();
}

void RowWindowModel::refresh()
{
    int rows = 0;
    if (!m_sql.isEmpty())
        rows = m_db.value(QStringLiteral("select count(*) from (%1)").arg(m_sql), m_values).toInt();
    beginResetModel();
    m_rows = rows;
    m_pages.clear();
    m_recent.clear();
    endResetModel();
}

const QList<QSqlRecord> &RowWindowModel::page(int number) const
{
    auto it = m_pages.find(number);
    if (it == m_pages.end()) {
        QList<QSqlRecord> rows;
        try {
            QVariantList values = m_values;
            values << kPageSize << number * kPageSize;
            rows = m_db.rows(QStringLiteral("select * from (%1) limit ? offset ?").arg(m_sql), values);
        } catch (const DbError &) {
            // A grid cannot report here; the rows stay blank and the next refresh reports.
        }
        if (m_recent.size() >= kPagesKept)
            m_pages.remove(m_recent.takeFirst());
        it = m_pages.insert(number, rows);
    }
    m_recent.removeAll(number);
    m_recent.append(number);
    return it.value();
}

QSqlRecord RowWindowModel::record(int row) const
{
    if (row < 0 || row >= m_rows)
        return {};
    const QList<QSqlRecord> &rows = page(row / kPageSize);
    const int i = row % kPageSize;
    return i < rows.size() ? rows[i] : QSqlRecord();
}

int RowWindowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RowWindowModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RowWindowModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const QSqlRecord r = record(index.row());
    const QVariant v = r.value(m_columns.value(index.column()).column);
    return v.isNull() ? QVariant() : v;
}

QVariant RowWindowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_columns.value(section).caption;
    return section + 1;
}

} // namespace quorv
