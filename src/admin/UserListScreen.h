#pragma once

#include "admin/AccountRules.h"

#include <QWidget>

class QPushButton;

namespace quorv {

namespace ui {
class DataGrid;
}

// `yonghuguanli`: the manager's list of every account, with add, edit, delete and refresh.
class UserListScreen : public QWidget {
    Q_OBJECT
public:
    explicit UserListScreen(Db &db, QWidget *parent = nullptr);

private:
    void load();
    void addUser();
    void editUser();
    void removeUser();
    void refresh();

    AccountRules m_rules;
    ui::DataGrid *m_grid = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_refresh = nullptr;
};

} // namespace quorv
