#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

// Small pieces the account screens share.
namespace quorv::admin {

inline QLineEdit *textBox(QWidget *screen, const QString &name)
{
    auto *box = new QLineEdit(screen);
    box->setObjectName(name);
    return box;
}

// A box that shows "*" for each character.
inline QLineEdit *passwordBox(QWidget *screen, const QString &name)
{
    QLineEdit *box = textBox(screen, name);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    return box;
}

// A role box: pick an item or type any text. Return must not add the typed text to the list.
inline QComboBox *roleBox(QWidget *screen, const QStringList &items)
{
    auto *box = new QComboBox(screen);
    box->setObjectName(QStringLiteral("Combo1"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

inline QPushButton *button(QWidget *screen, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, screen);
    b->setObjectName(name);
    return b;
}

inline void clearRole(QComboBox *role)
{
    role->setCurrentIndex(-1);
    role->clearEditText();
}

// Tab runs through the fields and then the buttons; Return moves to the next field and, in the
// last one, presses the OK button.
inline void chainFields(const QList<QWidget *> &fields, const QList<QPushButton *> &buttons)
{
    QList<QWidget *> order = fields;
    for (QPushButton *b : buttons)
        order << b;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QWidget *field = fields[i];
        QLineEdit *edit = qobject_cast<QLineEdit *>(field);
        if (auto *combo = qobject_cast<QComboBox *>(field))
            edit = combo->lineEdit();
        if (!edit)
            continue;
        QWidget *next = i + 1 < fields.size() ? fields[i + 1] : nullptr;
        QPushButton *ok = buttons.value(0);
        QObject::connect(edit, &QLineEdit::returnPressed, field, [next, ok] {
            if (next)
                next->setFocus();
            else if (ok)
                ok->click();
        });
    }
}

} // namespace quorv::admin
