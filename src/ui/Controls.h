#pragma once

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace quorv::ui {

// Controls carry their specified names; these make them in one line.
QPushButton *button(QWidget *parent, const QString &name, const QString &caption);
QLineEdit *textBox(QWidget *parent, const QString &name);
// Shows "*" for each character typed.
QLineEdit *passwordBox(QWidget *parent, const QString &name);

} // namespace quorv::ui
