#include "ui/Controls.h"

#include <QComboBox>
#include <QHBoxLayout>
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

QHBoxLayout *buttonRow(const QList<QPushButton *> &buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *b : buttons)
        row->addWidget(b);
    return row;
}

void chainFields(const QList<QWidget *> &fields, const QList<QPushButton *> &buttons)
{
    QList<QWidget *> order = fields;
    for (QPushButton *b : buttons)
        order << b;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    QPushButton *ok = buttons.value(0);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QWidget *field = fields[i];
        QLineEdit *edit = qobject_cast<QLineEdit *>(field);
        if (auto *combo = qobject_cast<QComboBox *>(field))
            edit = combo->lineEdit();
        if (!edit)
            continue;
        QWidget *next = i + 1 < fields.size() ? fields[i + 1] : nullptr;
        QObject::connect(edit, &QLineEdit::returnPressed, field, [next, ok] {
            if (next)
                next->setFocus();
            else if (ok)
                ok->click();
        });
    }
}

} // namespace quorv::ui
