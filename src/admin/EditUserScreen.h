#pragma once

#include "admin/AccountRules.h"

#include "ui/ScreenHost.h"

#include <QSqlRecord>
#include <QWidget>

class QComboBox;
class QLineEdit;

namespace quorv {

// `yhxg`: changes the name, password or role of the account selected in the user list, which
// stays open behind it.
class EditUserScreen : public QWidget, public ui::RecordEditor {
    Q_OBJECT
public:
    explicit EditUserScreen(Db &db, QWidget *parent = nullptr);

    // Shows the account of a user-list row; the password and role boxes start empty.
    void load(const QSqlRecord &account) override;

private:
    void submit();

    AccountRules m_rules;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_confirmation = nullptr;
    QComboBox *m_role = nullptr;
    QLineEdit *m_id = nullptr;
};

} // namespace quorv
