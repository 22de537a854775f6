#include "app/LoginScreen.h"

#include "ui/Controls.h"
#include "ui/Backdrop.h"
#include "ui/Guard.h"
#include "ui/Messages.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

LoginScreen::LoginScreen(Db &db, QWidget *parent) : QWidget(parent), m_rules(db)
{
    setObjectName(QStringLiteral("login"));
    setWindowTitle(QStringLiteral("登录"));
    ui::addBackdrop(this);

    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("txtuser"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("txtpwd"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    auto *ok = new QPushButton(QStringLiteral("登入"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("Command2"));

    auto *heading = new QLabel(QStringLiteral("Quorv汽车陪练软件"), this);
    heading->setStyleSheet(QStringLiteral("font-size: 18pt; font-weight: bold;"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("用户名:"), m_user);
    form->addRow(QStringLiteral("密码:"), m_password);
    auto *buttons = ui::buttonRow({ok, cancel});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &LoginScreen::submit);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_user, &QLineEdit::returnPressed, this, [this] { m_password->setFocus(); });
    connect(m_password, &QLineEdit::returnPressed, this, &LoginScreen::submit);
    m_user->setFocus();
    resize(420, 240);
}

void LoginScreen::submit()
{
    ui::guard(this, [this] {
        switch (m_rules.submit(m_user->text(), m_password->text())) {
        case LoginRules::Outcome::EmptyName:
            ui::warning(this, QStringLiteral("用户名不能为空"));
            m_user->setFocus();
            break;
        case LoginRules::Outcome::Success:
            m_succeeded = true;
            // The main window opens before this window closes, so the program never runs
            // without a window in between.
            Q_EMIT loggedIn();
            close();
            break;
        case LoginRules::Outcome::Retry:
            ui::warning(this, QStringLiteral("用户名或者密码不正确，请重新登录"), QStringLiteral("信息提示"));
            m_user->clear();
            m_password->clear();
            m_user->setFocus();
            break;
        case LoginRules::Outcome::Exhausted:
            ui::warning(this, QStringLiteral("已经登入三次失败，退出系统"), QStringLiteral("信息提示"));
            close();
            break;
        }
    });
}

void LoginScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_succeeded)
        Q_EMIT abandoned();
}

} // namespace quorv
