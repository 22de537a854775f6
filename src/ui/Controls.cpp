#include "ui/Controls.h"

#include <QLineEdit>
#include <QPushButton>

namespace quorv::ui {

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QLineEdit *textBox(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QLineEdit *passwordBox(QWidget *parent, const QString &name)
{
    QLineEdit *box = textBox(parent, name);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    return box;
}

} // namespace quorv::ui
