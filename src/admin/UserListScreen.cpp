#include "admin/UserListScreen.h"

#include "admin/AccountForm.h"
#include "ui/Backdrop.h"
#include "ui/Controls.h"
#include "ui/DataGrid.h"
#include "ui/Guard.h"
#include "ui/Messages.h"
#include "ui/ScreenHost.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

namespace {

const QString kNoRows = QStringLiteral("还没有数据");

QList<GridColumn> columns()
{
    return {{QStringLiteral("密码"), QStringLiteral("password")},
            {QStringLiteral("级别"), QStringLiteral("jb")},
            {QStringLiteral("添加时间"), QStringLiteral("Addtime")},
            {QStringLiteral("LastLogintime"), QStringLiteral("LastLogintime")},
            {QStringLiteral("userkey"), QStringLiteral("userkey")},
            {QStringLiteral("id"), QStringLiteral("id")},
            {QStringLiteral("用户名"), QStringLiteral("admin")}};
}

} // namespace

UserListScreen::UserListScreen(Db &db, QWidget *parent) : QWidget(parent), m_rules(db)
{
    setObjectName(QStringLiteral("yonghuguanli"));
    setWindowTitle(QStringLiteral("用户管理"));
    ui::addBackdrop(this);

    m_grid = new ui::DataGrid(db, columns(), this);
    auto *add = ui::button(this, QStringLiteral("add"), QStringLiteral("添加"));
    m_edit = ui::button(this, QStringLiteral("edit"), QStringLiteral("修改"));
    m_remove = ui::button(this, QStringLiteral("del"), QStringLiteral("删除"));
    m_refresh = ui::button(this, QStringLiteral("gengxin"), QStringLiteral("更新"));

    auto *buttons = ui::buttonRow({add, m_edit, m_remove, m_refresh});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &UserListScreen::addUser);
    connect(m_edit, &QPushButton::clicked, this, &UserListScreen::editUser);
    connect(m_remove, &QPushButton::clicked, this, &UserListScreen::removeUser);
    connect(m_refresh, &QPushButton::clicked, this, &UserListScreen::refresh);
    resize(760, 420);
    load();
}

void UserListScreen::load()
{
    ui::guard(this, [this] { m_grid->setQuery(Criteria(QStringLiteral("admin"))); });
    if (m_grid->rows() == 0)
        m_refresh->setEnabled(false);
}

void UserListScreen::addUser()
{
    ui::ScreenHost *host = ui::ScreenHost::instance();
    ui::closeScreen(this);
    if (host)
        host->open(QStringLiteral("add_admin"));
}

void UserListScreen::editUser()
{
    if (m_grid->rows() == 0) {
        ui::warning(this, kNoRows);
        return;
    }
    if (m_grid->currentRow() < 0)
        m_grid->setCurrentRow(0);
    ui::openEditor(QStringLiteral("yhxg"), m_grid->currentRecord());
}

void UserListScreen::removeUser()
{
    if (m_grid->rows() == 0) {
        ui::warning(this, kNoRows);
        return;
    }
    if (m_grid->currentRow() < 0)
        m_grid->setCurrentRow(0);
    const QSqlRecord row = m_grid->currentRecord();
    const QString question = QStringLiteral("真的删除用户") + row.value(QStringLiteral("admin")).toString()
                             + QStringLiteral("?") + QStringLiteral(";注意：不能删除第一个人");
    if (!ui::question(this, question))
        return;
    ui::guard(this, [this, &row] {
        if (m_rules.remove(row.value(QStringLiteral("id")).toLongLong()) == AccountRules::RemoveOutcome::Removed)
            m_grid->refresh(); // the row that followed becomes current
    });
}

void UserListScreen::refresh()
{
    if (!ui::guard(this, [this] { m_grid->setQuery(Criteria(QStringLiteral("admin"))); }))
        return;
    for (QPushButton *b : {m_edit, m_remove, m_refresh})
        b->setEnabled(true);
    ui::warning(this, QStringLiteral("更新成功！"));
}

} // namespace quorv
