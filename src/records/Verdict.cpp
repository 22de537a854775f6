#include "records/Verdict.h"

namespace quorv {

std::optional<Verdict> firstEmpty(std::initializer_list<Required> boxes)
{
    for (const Required &box : boxes)
        if (box.text.trimmed().isEmpty())
            return Verdict::refuse(QString::fromUtf8(box.message), QString::fromLatin1(box.field));
    return std::nullopt;
}

std::optional<Verdict> refuseUnlessSex(const QString &text)
{
    const QString sex = text.trimmed();
    if (sex == QStringLiteral("男") || sex == QStringLiteral("女"))
        return std::nullopt;
    Verdict v = Verdict::refuse(QStringLiteral("请选择正确的性别"), QStringLiteral("Combo2"));
    v.clearField = true;
    return v;
}

} // namespace quorv
