#pragma once

#include <QLineEdit>

#include <functional>

namespace quorv::ui {

// A numbers-only box: every change the user makes is checked. A text that does not read as a
// number (the empty text included, so deleting the last digit warns too) brings the warning
// "错误提示" with the box's own message; then the box is emptied and focused, or the screen's
// own reaction runs. The screen's own changes of the text are never checked.
class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    enum class Accepts { Number, WholeNumber };

    NumberBox(const QString &name, QString message, Accepts accepts = Accepts::Number, QWidget *parent = nullptr);

    // Replaces the default reaction (empty this box and focus it).
    void setRejectAction(std::function<void()> action) { m_reject = std::move(action); }
    bool acceptsText(const QString &text) const;

private:
    void check(const QString &text);

    QString m_message;
    Accepts m_accepts;
    std::function<void()> m_reject;
};

} // namespace quorv::ui
