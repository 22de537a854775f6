#pragma once

#include "records/Verdict.h"

#include <QString>

namespace quorv {

class Db;

// What the licence application screen holds, as typed.
struct LicenceInput {
    QString piaohao, xingming, nianling, sex, shenfenzheng, dangan, zhengjian, baomingriqi, dianhua, zhuzhi,
        jingban, shenheren, shenheriqi, jine, beizhu, luru;
};

// Enters one licence application against a free receipt and marks the receipt "证件" + name;
// checks and both writes in one unit of work.
Verdict enterLicence(Db &db, const LicenceInput &in);

} // namespace quorv
