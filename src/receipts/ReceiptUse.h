#pragma once

#include "records/Verdict.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace quorv {

class Db;

// The life of a receipt: every paid service names one receipt, which it may use only while the
// receipt's `yongtu` is empty, and then marks with what it was used for.
namespace receipts {

// `yongtu` words; each is followed directly by a name.
inline const QString kTimedCard = QStringLiteral("记时卡");
inline const QString kLicence = QStringLiteral("证件"); // pass-guarantee cards and licence applications
inline const QString kWalkIn = QStringLiteral("临时约车");
inline const QString kVoidCard = QStringLiteral("作废卡");
inline const QString kVoidWalkIn = QStringLiteral("作废临时约车");
inline const QString kVoidLicence = QStringLiteral("作废证件");

// A typed receipt number as the value to compare and store: a whole number, or (for a typed
// fraction, which can match no receipt) the number itself. Raises InputError naming `field`.
QVariant number(const QString &typed, const QString &field);

// The receipt-use check: refuses a receipt that does not exist ("请先开票或检查你输入的票号是否正确")
// or is used already ("票据不可重复使用:" + its use, in `usedTone`). Run it inside the unit of
// work that marks it.
std::optional<Verdict> refuseUnlessFree(Db &db, const QVariant &number, Verdict::Tone usedTone = Verdict::Tone::Warning);
// Marks the receipt as used; call it in the same unit of work as the check.
void markUsed(Db &db, const QVariant &number, const QString &use);

// Whether a released receipt-number range holds the number, both ends included.
bool isReleased(Db &db, qint64 number);

} // namespace receipts
} // namespace quorv
