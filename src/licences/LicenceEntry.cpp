#include "licences/LicenceEntry.h"

#include "data/Db.h"
#include "data/Parse.h"
#include "data/UnitOfWork.h"
#include "receipts/ReceiptUse.h"

namespace quorv {

Verdict enterLicence(Db &db, const LicenceInput &in)
{
    if (auto empty = firstEmpty({{"piaohao", in.piaohao, "票号不能为空"},
                                 {"xingming", in.xingming, "姓名不能为空"},
                                 {"nianling", in.nianling, "年龄不能为空"}}))
        return *empty;
    if (auto sex = refuseUnlessSex(in.sex))
        return *sex;
    if (auto empty = firstEmpty({{"shenfenzheng", in.shenfenzheng, "身份证号不能为空"},
                                 {"dangan", in.dangan, "档案编号不能为空"}}))
        return *empty;
    if (in.zhengjian.trimmed().isEmpty()) {
        // The first type is picked for the user, who still confirms it with another 提交.
        Verdict v = Verdict::refuse(QStringLiteral("请选择证件"), QStringLiteral("Combo1"));
        v.pickFirst = true;
        return v;
    }
    if (auto empty = firstEmpty({{"baomingriqi", in.baomingriqi, "报名日期不能为空"},
                                 {"dianhua", in.dianhua, "电话不能为空"},
                                 {"zhuzhi", in.zhuzhi, "住址不能为空"},
                                 {"jingban", in.jingban, "经办人不能为空"},
                                 {"shenheren", in.shenheren, "审核人不能为空"},
                                 {"shenheriqi", in.shenheriqi, "审核日期人不能为空"},
                                 {"jine", in.jine, "金额不能为空"},
                                 {"beizhu", in.beizhu, "备注不能为空"}}))
        return *empty;

    // Values their columns cannot hold are refused before anything is read or written.
    const QVariant receipt = receipts::number(in.piaohao, QStringLiteral("票号"));
    const QString enrolled = parse::requireDate(in.baomingriqi, QStringLiteral("报名日期"));
    const QString reviewed = parse::requireDate(in.shenheriqi, QStringLiteral("审核日期"));
    const double fee = parse::requireNumber(in.jine, QStringLiteral("金额"));

    UnitOfWork work(db);
    if (auto refused = receipts::refuseUnlessFree(db, receipt))
        return *refused;
    db.insert(QStringLiteral("zhengjian"), {{QStringLiteral("piaohao"), in.piaohao},
                                            {QStringLiteral("xingming"), in.xingming},
                                            {QStringLiteral("age"), in.nianling},
                                            {QStringLiteral("sex"), in.sex},
                                            {QStringLiteral("shenfenzheng"), in.shenfenzheng},
                                            {QStringLiteral("dangan"), in.dangan},
                                            {QStringLiteral("zhengjian"), in.zhengjian},
                                            {QStringLiteral("baomingriqi"), enrolled},
                                            {QStringLiteral("dianhua"), in.dianhua},
                                            {QStringLiteral("address"), in.zhuzhi},
                                            {QStringLiteral("jingban"), in.jingban},
                                            {QStringLiteral("jine"), fee},
                                            {QStringLiteral("beizhu"), in.beizhu},
                                            {QStringLiteral("luru"), in.luru},
                                            {QStringLiteral("shenhe"), reviewed},
                                            {QStringLiteral("shenheren"), in.shenheren},
                                            {QStringLiteral("lingzheng"), QStringLiteral("未领证")}});
    receipts::markUsed(db, receipt, receipts::kLicence + in.xingming);
    work.commit();
    return Verdict::success(QStringLiteral("添加证件成功！"), Verdict::Tone::Plain);
}

} // namespace quorv
