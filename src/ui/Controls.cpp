#include "ui/Controls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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

QComboBox *comboBox(QWidget *parent, const QString &name, const QStringList &items, bool editable)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

QWidget *withNote(QWidget *box, const QString &note)
{
    auto *row = new QWidget(box->parentWidget());
    row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    box->setParent(row);
    layout->addWidget(box, 1);
    layout->addWidget(new QLabel(note, row));
    return row;
}

QPlainTextEdit *textArea(QWidget *parent, const QString &name)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().height() * 3 + 12);
    return box;
}

QLineEdit *readOnlyBox(QWidget *parent, const QString &name, const QString &text)
{
    QLineEdit *box = textBox(parent, name);
    box->setText(text);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QWidget *heading(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: #1f4e79;"));
    return label;
}

QString textOf(const QWidget *control)
{
    if (auto *line = qobject_cast<const QLineEdit *>(control))
        return line->text();
    if (auto *area = qobject_cast<const QPlainTextEdit *>(control))
        return area->toPlainText();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    return {};
}

QWidget *linkLabel(QWidget *parent, const QString &name, const QString &text, const std::function<void()> &onClick)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated, label, [onClick] { onClick(); });
    return label;
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
