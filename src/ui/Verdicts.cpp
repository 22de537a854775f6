#include "ui/Verdicts.h"

#include "ui/Messages.h"
#include "ui/ScreenHost.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace quorv::ui {

namespace {

void say(QWidget *screen, const Verdict &v)
{
    switch (v.tone) {
    case Verdict::Tone::Warning: warning(screen, v.message); break;
    case Verdict::Tone::WarningTitled: warning(screen, v.message, kAppTitle); break;
    case Verdict::Tone::Plain: plain(screen, v.message); break;
    case Verdict::Tone::Notice: notice(screen, v.message); break;
    case Verdict::Tone::ErrorTitled: warning(screen, v.message, QStringLiteral("错误提示")); break;
    case Verdict::Tone::Question: break; // asked by the screen itself (see ask())
    }
}

} // namespace

void render(QWidget *screen, const Verdict &v)
{
    if (v.closeScreen && v.closeFirst)
        closeScreen(screen);
    if (!v.message.isEmpty())
        say(screen, v);
    if (QWidget *field = v.field.isEmpty() ? nullptr : screen->findChild<QWidget *>(v.field)) {
        if (auto *combo = qobject_cast<QComboBox *>(field); combo && v.pickFirst && combo->count() > 0)
            combo->setCurrentIndex(0);
        if (v.clearField) {
            if (auto *combo = qobject_cast<QComboBox *>(field)) {
                combo->setCurrentIndex(-1);
                combo->clearEditText();
            } else if (auto *line = qobject_cast<QLineEdit *>(field)) {
                line->clear();
            } else if (auto *text = qobject_cast<QPlainTextEdit *>(field)) {
                text->clear();
            }
        }
        field->setFocus();
    }
    if (v.closeScreen && !v.closeFirst)
        closeScreen(screen);
}

bool ask(QWidget *screen, const Verdict &v)
{
    return Messages::show(screen, {Message::Icon::None, v.title, v.message, true});
}

} // namespace quorv::ui
