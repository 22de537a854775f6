#include "admin/EditUserScreen.h"

#include "admin/AccountForm.h"
#include "ui/Backdrop.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/Messages.h"
#include "ui/ScreenHost.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QVBoxLayout>

namespace quorv {

namespace {

// A field with the note that an empty box keeps the stored value.
QHBoxLayout *keepNote(QWidget *screen, QWidget *field)
{
    auto *row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(new QLabel(QStringLiteral("不修改请留空"), screen));
    return row;
}

} // namespace

EditUserScreen::EditUserScreen(Db &db, QWidget *parent) : QWidget(parent), m_rules(db)
{
    setObjectName(QStringLiteral("yhxg"));
    setWindowTitle(QStringLiteral("用户管理修改"));
    ui::addBackdrop(this);

    m_name = ui::textBox(this, QStringLiteral("username"));
    m_password = ui::passwordBox(this, QStringLiteral("txtpwd"));
    m_confirmation = ui::passwordBox(this, QStringLiteral("txtpwd2"));
    m_role = admin::roleBox(this, {QStringLiteral("经理"), QStringLiteral("录入人")});
    // The record ID decides which row is written; it comes from the list and is not typed.
    m_id = ui::textBox(this, QStringLiteral("id"));
    m_id->setReadOnly(true);
    m_id->setFocusPolicy(Qt::NoFocus);
    auto *ok = ui::button(this, QStringLiteral("Cmdok"), QStringLiteral("确定"));
    auto *cancel = ui::button(this, QStringLiteral("Command2"), QStringLiteral("取消"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("id"), m_id);
    form->addRow(QStringLiteral("输入用户名"), m_name);
    form->addRow(QStringLiteral("输入密码"), keepNote(this, m_password));
    form->addRow(QStringLiteral("确认密码"), m_confirmation);
    form->addRow(QStringLiteral("选择权限"), keepNote(this, m_role));
    auto *buttons = ui::buttonRow({ok, cancel});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 24, 30, 24);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    ui::chainFields({m_name, m_password, m_confirmation, m_role}, {ok, cancel});

    connect(ok, &QPushButton::clicked, this, &EditUserScreen::submit);
    connect(cancel, &QPushButton::clicked, this, [this] { ui::closeScreen(this); });
    admin::clearRole(m_role);
    resize(440, 260);
}

void EditUserScreen::load(const QSqlRecord &account)
{
    m_name->setText(account.value(QStringLiteral("admin")).toString());
    m_id->setText(account.value(QStringLiteral("id")).toString());
    m_password->clear();
    m_confirmation->clear();
    admin::clearRole(m_role);
    m_name->setFocus();
}

void EditUserScreen::submit()
{
    ui::guard(this, [this] {
        using Outcome = AccountRules::EditOutcome;
        switch (m_rules.edit(m_id->text().toLongLong(), m_name->text(), m_password->text(),
                             m_confirmation->text(), m_role->currentText())) {
        case Outcome::PasswordMismatch:
            ui::plain(this, QStringLiteral("两次输入口令不一致!"));
            m_password->setFocus();
            break;
        case Outcome::Missing:
            ui::plain(this, QStringLiteral("这个账号已经不存在，没有修改。"));
            break;
        case Outcome::Changed:
            ui::plain(this, QStringLiteral("修改完成！"));
            ui::closeScreen(this);
            break;
        }
    });
}

} // namespace quorv
