#include "cards/CardKinds.h"

#include "receipts/ReceiptUse.h"

namespace quorv {

const CardKind &timedCards()
{
    static const CardKind kind{
        .screen = QStringLiteral("add_jishi"),
        .caption = QString(),
        .heading = QStringLiteral("添 加 记 时 卡"),
        .cardName = QStringLiteral("记时卡"),
        .use = receipts::kTimedCard,
        .successMessage = QStringLiteral("添加记时卡成功！"),
        .refusesEarlierUse = true,
        .showsDateHint = false,
    };
    return kind;
}

const CardKind &passGuaranteeCards()
{
    static const CardKind kind{
        .screen = QStringLiteral("add_baohui"),
        .caption = QStringLiteral("添 加 保 会 卡"),
        .heading = QStringLiteral("添 加 保 会 卡"),
        .cardName = QStringLiteral("保会卡"),
        .use = receipts::kLicence, // the same word a licence application writes
        .successMessage = QStringLiteral("添加保会卡卡成功！"),
        .refusesEarlierUse = false,
        .showsDateHint = true,
    };
    return kind;
}

} // namespace quorv
