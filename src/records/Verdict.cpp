#include "records/Verdict.h"

namespace quorv {

std::optional<Verdict> firstEmpty(std::initializer_list<Required> boxes)
{
    for (const Required &box : boxes)
        if (box.text.trimmed().isEmpty())
            return Verdict::refuse(QString::fromUtf8(box.message), QString::fromLatin1(box.field));
    return std::nullopt;
}

} // namespace quorv
