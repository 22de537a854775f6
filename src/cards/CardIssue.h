#pragma once

#include "records/Verdict.h"

#include <QString>

namespace quorv {

class Db;
struct CardKind;

// What the card-issuing screen holds, as typed.
struct CardInput {
    QString piaohao, kahao, xingming, sex, shenfenzheng, zongshishu, chexing, kaoshi, bankariqi, dianhua,
        zhuzhi, jine, jingban, lururen, beizhu, zheng;
};

// Issues one card: required boxes in order, the receipt free, the card number strictly inside a
// released range and new; then the card row (hours left = hours bought) and the receipt's mark.
// Checks and writes are one unit of work, so one receipt never backs two cards.
Verdict issueCard(Db &db, const CardKind &kind, const CardInput &in);

// Whether a released card-number range holds the number strictly inside (the two ends of a range
// are never issued).
bool isReleasedCard(Db &db, qint64 number);

} // namespace quorv
