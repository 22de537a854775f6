#include "admin/AddUserScreen.h"

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
#include <QVBoxLayout>

namespace quorv {

AddUserScreen::AddUserScreen(Db &db, QWidget *parent) : QWidget(parent), m_rules(db)
{
    setObjectName(QStringLiteral("add_admin"));
    setWindowTitle(QStringLiteral("添加用户"));
    ui::addBackdrop(this);

    m_name = ui::textBox(this, QStringLiteral("Text1"));
    m_password = ui::passwordBox(this, QStringLiteral("Text2"));
    m_confirmation = ui::passwordBox(this, QStringLiteral("Text3"));
    m_role = admin::roleBox(this, {QStringLiteral("录入员"), QStringLiteral("经理")});
    m_role->setCurrentIndex(0);
    auto *ok = ui::button(this, QStringLiteral("Command1"), QStringLiteral("确定"));
    auto *cancel = ui::button(this, QStringLiteral("Command2"), QStringLiteral("取消"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("输入用户名"), m_name);
    form->addRow(QStringLiteral("输入密码"), m_password);
    form->addRow(QStringLiteral("确认密码"), m_confirmation);
    form->addRow(QStringLiteral("选择权限"), m_role);
    auto *buttons = ui::buttonRow({ok, cancel});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 24, 30, 24);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    ui::chainFields({m_name, m_password, m_confirmation, m_role}, {ok, cancel});

    connect(ok, &QPushButton::clicked, this, &AddUserScreen::submit);
    connect(cancel, &QPushButton::clicked, this, &AddUserScreen::cancel);
    m_name->setFocus();
    resize(380, 230);
}

void AddUserScreen::submit()
{
    ui::guard(this, [this] {
        using Outcome = AccountRules::AddOutcome;
        switch (m_rules.add(m_name->text(), m_password->text(), m_confirmation->text(), m_role->currentText())) {
        case Outcome::EmptyName:
            ui::warning(this, QStringLiteral("用户名不能为空"));
            m_name->setFocus();
            break;
        case Outcome::NameTaken:
            ui::warning(this, QStringLiteral("已有这个用户"));
            m_name->setFocus();
            m_name->clear();
            m_password->clear();
            m_confirmation->clear();
            admin::clearRole(m_role);
            break;
        case Outcome::PasswordMismatch:
            ui::warning(this, QStringLiteral("两次密码不一致"));
            m_password->setFocus();
            m_password->clear();
            m_confirmation->clear();
            break;
        case Outcome::BadRole:
            ui::warning(this, QStringLiteral("请选择正确的用户权限"));
            m_role->setFocus();
            admin::clearRole(m_role);
            break;
        case Outcome::Added:
            ui::warning(this, QStringLiteral("添加用户成功"));
            ui::closeScreen(this);
            break;
        }
    });
}

void AddUserScreen::cancel()
{
    if (ui::ScreenHost *host = ui::ScreenHost::instance())
        host->open(QStringLiteral("yonghuguanli"));
    ui::closeScreen(this);
}

} // namespace quorv
