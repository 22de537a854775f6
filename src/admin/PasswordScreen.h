#pragma once

#include "admin/AccountRules.h"

#include <QWidget>

class QLineEdit;

namespace quorv {

// `mima`: the logged-in user changes the own password.
class PasswordScreen : public QWidget {
    Q_OBJECT
public:
    explicit PasswordScreen(Db &db, QWidget *parent = nullptr);

private:
    void submit();

    AccountRules m_rules;
    QLineEdit *m_old = nullptr;
    QLineEdit *m_new = nullptr;
    QLineEdit *m_confirmation = nullptr;
};

} // namespace quorv
