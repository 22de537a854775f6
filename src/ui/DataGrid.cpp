#include "ui/DataGrid.h"

#include <QHeaderView>

namespace quorv::ui {

DataGrid::DataGrid(Db &db, QList<GridColumn> columns, QWidget *parent)
    : QTableView(parent), m_model(new RowWindowModel(db, this))
{
    setObjectName(QStringLiteral("DataGrid1"));
    m_model->setColumns(std::move(columns));
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setStretchLastSection(true);
}

void DataGrid::setQuery(const Criteria &rows)
{
    m_model->setQuery(rows.sql(), rows.values());
    setCurrentRow(0);
}

void DataGrid::refresh()
{
    const int row = currentRow();
    m_model->refresh();
    setCurrentRow(qMin(qMax(row, 0), rows() - 1));
}

int DataGrid::currentRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void DataGrid::setCurrentRow(int row)
{
    if (row < 0 || row >= rows()) {
        setCurrentIndex({});
        return;
    }
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(m_model->index(row, column));
    selectRow(row);
}

QSqlRecord DataGrid::currentRecord() const
{
    return m_model->record(currentRow());
}

} // namespace quorv::ui
