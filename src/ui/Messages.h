#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quorv::ui {

// The title that message boxes without a title of their own carry.
inline const QString kAppTitle = QStringLiteral("Quorv汽车陪练软件");

struct Message {
    enum class Icon { None, Warning, Information, Critical, Question };
    Icon icon = Icon::None;
    QString title;
    QString text;
    bool yesNo = false; // Yes/No buttons instead of one OK button
};

// Every message box of the program goes through here, so that tests can read the messages and
// script the answers instead of facing real dialogs.
class Messages {
public:
    // Shows the message; true for OK or Yes.
    static bool show(QWidget *parent, const Message &message);

    using Handler = std::function<bool(const Message &)>;
    // Replaces the real boxes (tests); an empty handler restores them.
    static void setHandler(Handler handler);
};

// The program's message styles.
// Exclamation icon, OK, empty title unless one is given (most validation messages).
void warning(QWidget *parent, const QString &text, const QString &title = {});
// No icon, OK, empty title.
void notice(QWidget *parent, const QString &text);
// No icon, OK, the program's title unless one is given.
void plain(QWidget *parent, const QString &text, const QString &title = kAppTitle);
// Yes/No question without icon, titled "信息提示" (delete confirmations); true for Yes.
bool question(QWidget *parent, const QString &text);
// Information icon titled "提示".
void information(QWidget *parent, const QString &text);
// Critical icon titled "提示": engine failures and files that cannot be used.
void critical(QWidget *parent, const QString &text);
// The numbers-only boxes' warning, titled "错误提示".
void numberError(QWidget *parent, const QString &text);

} // namespace quorv::ui
