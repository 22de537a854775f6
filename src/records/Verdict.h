#pragma once

#include <QString>

#include <initializer_list>
#include <optional>

namespace quorv {

// What an entry screen's submission comes to, as data: the message and its style, the control
// that gets the focus (and is emptied), whether the screen closes. Rules return it; the screen
// renders it (ui/Verdicts.h), so the order of checks is tested without widgets.
struct Verdict {
    enum class Tone {
        Warning,       // exclamation, OK, empty title
        WarningTitled, // exclamation, OK, the program's title
        Plain,         // no icon, OK, the program's title
        Notice,        // no icon, OK, empty title
        ErrorTitled,   // exclamation, OK, titled "错误提示"
        Question,      // Yes/No, no icon: the screen asks, and submits again on Yes
    };

    bool done = false; // the submission was written
    QString message;
    Tone tone = Tone::Warning;
    QString field;           // objectName of the control to focus, or empty
    bool clearField = false; // empty that control
    bool pickFirst = false;  // select that combo box's first item
    bool closeScreen = false;
    bool closeFirst = false; // close the screen before the message shows
    QString title;           // a question's title

    static Verdict refuse(QString message, QString field = {}, Tone tone = Tone::Warning)
    {
        Verdict v;
        v.message = std::move(message);
        v.field = std::move(field);
        v.tone = tone;
        return v;
    }
    static Verdict success(QString message, Tone tone)
    {
        Verdict v;
        v.done = true;
        v.message = std::move(message);
        v.tone = tone;
        v.closeScreen = true;
        return v;
    }
};

// One required box of an entry screen: empty (after trimming) refuses with its message and
// puts the focus on it.
struct Required {
    const char *field;
    QString text;
    const char *message;
};

// The first required box that is empty, in the given order.
std::optional<Verdict> firstEmpty(std::initializer_list<Required> boxes);

// The sex box (`Combo2`) must hold "男" or "女" (blanks around allowed); anything else is
// refused and the box emptied.
std::optional<Verdict> refuseUnlessSex(const QString &text);

} // namespace quorv
