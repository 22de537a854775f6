#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace quorv::ui {

// Controls carry their specified names; these make them in one line.
QPushButton *button(QWidget *parent, const QString &name, const QString &caption);
QLineEdit *textBox(QWidget *parent, const QString &name);
// Shows "*" for each character typed.
QLineEdit *passwordBox(QWidget *parent, const QString &name);

// A combo box with fixed items, the first selected. An editable one also takes typed text
// (without adding it to the items).
QComboBox *comboBox(QWidget *parent, const QString &name, const QStringList &items, bool editable);
// A box followed by a note ("元", a hint), as one row of a form.
QWidget *withNote(QWidget *box, const QString &note);

// A text box of several lines; Tab leaves it.
QPlainTextEdit *textArea(QWidget *parent, const QString &name);
// A box filled by the program and not editable (录入人).
QLineEdit *readOnlyBox(QWidget *parent, const QString &name, const QString &text);
// A heading label over a screen's fields.
QWidget *heading(QWidget *parent, const QString &text);
// The text of a box of one or several lines, or of a combo box.
QString textOf(const QWidget *control);

// A label that acts like a button when clicked.
QWidget *linkLabel(QWidget *parent, const QString &name, const QString &text, const std::function<void()> &onClick);

// A row of buttons, pushed to the right.
QHBoxLayout *buttonRow(const QList<QPushButton *> &buttons);

// Tab runs through the fields and then the buttons; Return moves to the next field and, in the
// last one, presses the first button.
void chainFields(const QList<QWidget *> &fields, const QList<QPushButton *> &buttons);

} // namespace quorv::ui
