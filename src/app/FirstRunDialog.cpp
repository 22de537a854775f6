#include "app/FirstRunDialog.h"

#include "app/FirstRunRules.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/Messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

FirstRunDialog::FirstRunDialog(QString path, QWidget *parent) : QDialog(parent), m_path(std::move(path))
{
    setObjectName(QStringLiteral("xinjianshujuku"));
    setWindowTitle(QStringLiteral("新建数据库"));

    auto passwordBox = [this](const char *name) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setEchoMode(QLineEdit::Password);
        box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
        return box;
    };
    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("txtuser"));
    m_password = passwordBox("txtpwd");
    m_confirmation = passwordBox("txtpwd2");

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("Cmdok"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("Command2"));

    auto *intro = new QLabel(QStringLiteral("当前文件夹中还没有数据库文件“pazo.dll”。请设置经理账号，"
                                            "程序将新建数据库。"),
                             this);
    intro->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("经理用户名："), m_user);
    form->addRow(QStringLiteral("密码："), m_password);
    form->addRow(QStringLiteral("确认密码："), m_confirmation);
    auto *buttons = ui::buttonRow({ok, cancel});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &FirstRunDialog::create);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(420, 220);
}

void FirstRunDialog::create()
{
    const QString refusal = firstrun::check(m_user->text(), m_password->text(), m_confirmation->text());
    if (!refusal.isEmpty()) {
        ui::warning(this, refusal);
        QLineEdit *box = m_user->text().trimmed().isEmpty()         ? m_user
                         : m_password->text().trimmed().isEmpty() ? m_password
                                                                   : m_confirmation;
        box->setFocus();
        box->selectAll();
        return;
    }
    if (ui::guard(this, [this] { firstrun::createDatabase(m_path, m_user->text(), m_password->text()); }))
        accept();
}

} // namespace quorv
