#pragma once

#include <QWidget>

namespace quorv {

class Db;
struct RangeKind;
namespace ui {
class DataGrid;
class NumberBox;
} // namespace ui

// `piaohaoshuru` / `kahaoshuru`: the list of released ranges and the boxes to release a new one.
class RangeScreen : public QWidget {
    Q_OBJECT
public:
    RangeScreen(const RangeKind &kind, Db &db, QWidget *parent = nullptr);

    // Reads the ranges again (after an edit).
    void reload();

private:
    void addRange();
    void editRange();
    void deleteRange();
    bool refuseEmptyList();
    void refreshList();
    void emptyBoxes();

    const RangeKind &m_kind;
    Db &m_db;
    ui::DataGrid *m_grid = nullptr;
    ui::NumberBox *m_start = nullptr;
    ui::NumberBox *m_end = nullptr;
};

} // namespace quorv
