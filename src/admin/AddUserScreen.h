#pragma once

#include "admin/AccountRules.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace quorv {

// `add_admin`: adds an account. It takes the user list's place while it is open.
class AddUserScreen : public QWidget {
    Q_OBJECT
public:
    explicit AddUserScreen(Db &db, QWidget *parent = nullptr);

private:
    void submit();
    void cancel();

    AccountRules m_rules;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_confirmation = nullptr;
    QComboBox *m_role = nullptr;
};

} // namespace quorv
