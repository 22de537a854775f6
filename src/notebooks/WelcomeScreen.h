#pragma once

#include <QWidget>

class QLabel;

namespace quorv {

class Db;

// `huanying`: the first child window after login. While it opens it announces the first kind of
// note due today (management notes before office notes).
class WelcomeScreen : public QWidget {
    Q_OBJECT
public:
    explicit WelcomeScreen(Db &db, QWidget *parent = nullptr);

private:
    QLabel *m_reminder = nullptr;
};

} // namespace quorv
