#pragma once

#include <QWidget>

class QLineEdit;

namespace quorv {

class Db;
struct ReferenceKind;
namespace ui {
class DataGrid;
}

// `chexingguanli` / `jiaolianguanli` / `zhengjianguanli`: every entry of a reference list, and the
// boxes to add one.
class ReferenceScreen : public QWidget {
    Q_OBJECT
public:
    ReferenceScreen(const ReferenceKind &kind, Db &db, QWidget *parent = nullptr);

private:
    void addEntry();
    void editEntry();
    void deleteEntry();
    void reload();

    const ReferenceKind &m_kind;
    Db &m_db;
    ui::DataGrid *m_grid = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_remark = nullptr;
};

} // namespace quorv
