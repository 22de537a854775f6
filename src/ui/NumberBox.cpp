#include "ui/NumberBox.h"

#include "data/Parse.h"
#include "ui/Messages.h"

namespace quorv::ui {

NumberBox::NumberBox(const QString &name, QString message, Accepts accepts, QWidget *parent)
    : QLineEdit(parent), m_message(std::move(message)), m_accepts(accepts)
{
    setObjectName(name);
    // textEdited fires for the user's own changes only, never for setText()/clear().
    connect(this, &QLineEdit::textEdited, this, &NumberBox::check);
}

bool NumberBox::acceptsText(const QString &text) const
{
    return m_accepts == Accepts::WholeNumber ? parse::wholeNumber(text).has_value()
                                             : parse::number(text).has_value();
}

void NumberBox::check(const QString &text)
{
    if (acceptsText(text))
        return;
    numberError(this, m_message);
    if (m_reject) {
        m_reject();
    } else {
        clear();
        setFocus();
    }
}

} // namespace quorv::ui
