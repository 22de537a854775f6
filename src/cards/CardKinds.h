#pragma once

#include <QString>

namespace quorv {

// Timed cards and pass-guarantee cards are issued by one design; this is where they differ.
struct CardKind {
    QString screen, caption, heading;
    QString cardName;       // `card_name`
    QString use;            // the receipt's `yongtu` word, followed by the holder's name
    QString successMessage;
    bool refusesEarlierUse = false; // a receipt or card number already on a card closes the screen
    bool showsDateHint = false;
};

const CardKind &timedCards();
const CardKind &passGuaranteeCards();

} // namespace quorv
