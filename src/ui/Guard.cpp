#include "ui/Guard.h"

#include "data/Errors.h"
#include "ui/Messages.h"

namespace quorv::ui {

bool guard(QWidget *parent, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const InputError &e) {
        warning(parent, e.text());
    } catch (const DbError &e) {
        critical(parent, e.text());
    }
    return false;
}

} // namespace quorv::ui
