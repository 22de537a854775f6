#include "admin/PasswordScreen.h"

#include "admin/AccountForm.h"
#include "app/Session.h"
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

PasswordScreen::PasswordScreen(Db &db, QWidget *parent) : QWidget(parent), m_rules(db)
{
    setObjectName(QStringLiteral("mima"));
    setWindowTitle(QStringLiteral("密码修改"));
    ui::addBackdrop(this);

    m_old = ui::textBox(this, QStringLiteral("Text3"));
    m_new = ui::passwordBox(this, QStringLiteral("Text1"));
    m_confirmation = ui::passwordBox(this, QStringLiteral("Text2"));
    auto *ok = ui::button(this, QStringLiteral("cmdok"), QStringLiteral("确定"));
    auto *cancel = ui::button(this, QStringLiteral("Command2"), QStringLiteral("取消"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("原密码："), m_old);
    form->addRow(QStringLiteral("输入新密码："), m_new);
    form->addRow(QStringLiteral("确认新密码："), m_confirmation);
    form->addRow(QString(), new QLabel(QStringLiteral("不修改请留空"), this));
    auto *buttons = ui::buttonRow({ok, cancel});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 24, 30, 24);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    ui::chainFields({m_old, m_new, m_confirmation}, {ok, cancel});

    connect(ok, &QPushButton::clicked, this, &PasswordScreen::submit);
    connect(cancel, &QPushButton::clicked, this, [this] { ui::closeScreen(this); });
    m_old->setFocus();
    resize(380, 210);
}

void PasswordScreen::submit()
{
    ui::guard(this, [this] {
        using Outcome = AccountRules::PasswordOutcome;
        switch (m_rules.changeOwnPassword(Session::user(), m_old->text(), m_new->text(), m_confirmation->text())) {
        case Outcome::Mismatch:
            ui::plain(this, QStringLiteral("两次输入口令不一致!"));
            m_new->setFocus();
            break;
        case Outcome::Missing:
            ui::plain(this, QStringLiteral("你的账号已经不存在，密码没有修改。"));
            break;
        case Outcome::WrongOldPassword:
            ui::plain(this, QStringLiteral("原口令错误！"));
            m_old->setFocus();
            break;
        case Outcome::Unchanged:
            ui::plain(this, QStringLiteral("未修改，直接退出！"));
            ui::closeScreen(this);
            break;
        case Outcome::Changed:
            ui::plain(this, QStringLiteral("口令修改完成！"));
            ui::closeScreen(this);
            break;
        }
    });
}

} // namespace quorv
