#pragma once

#include "records/Verdict.h"

#include <QString>

namespace quorv {

class Db;

// What the receipt entry screen holds, as typed.
struct ReceiptInput {
    QString piaohao, xingming, xiangmu, shuoming, jine, dianhua, jingban, kaipiaoren, shenheren,
        shenheriqi, kaipiaoriqi, luru;
};

// Enters one written receipt: required boxes in order, the number inside a released range and
// not entered before, then the row, all in one unit of work.
Verdict enterReceipt(Db &db, const ReceiptInput &in);

} // namespace quorv
