#pragma once

#include "data/Criteria.h"
#include "records/RowWindowModel.h"

#include <QTableView>

namespace quorv::ui {

// `DataGrid1`: a read-only grid over a query, with a current row (the view's current index).
class DataGrid : public QTableView {
    Q_OBJECT
public:
    DataGrid(Db &db, QList<GridColumn> columns, QWidget *parent = nullptr);

    // Shows the rows that match; the first row becomes current. Raises DbError.
    void setQuery(const Criteria &rows);
    // Runs the query again; the current row stays at the same position when it still exists.
    void refresh();

    int rows() const { return m_model->rowCount(); }
    int currentRow() const;
    void setCurrentRow(int row);
    // Every column of the current row; empty when there is no row.
    QSqlRecord currentRecord() const;
    RowWindowModel *rowModel() const { return m_model; }

private:
    RowWindowModel *m_model;
};

} // namespace quorv::ui
