#pragma once

#include "app/LoginRules.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace quorv {

// `login`: the start-up window. Three failed attempts, "取消" or closing it end the program.
class LoginScreen : public QWidget {
    Q_OBJECT
public:
    explicit LoginScreen(Db &db, QWidget *parent = nullptr);

Q_SIGNALS:
    void loggedIn();  // the session is set; the main window is to open
    void abandoned(); // the program is to end

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void submit();

    LoginRules m_rules;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    bool m_succeeded = false;
};

} // namespace quorv
