#include "cards/CardIssue.h"

#include "cards/CardKinds.h"
#include "data/Db.h"
#include "data/Parse.h"
#include "data/UnitOfWork.h"
#include "receipts/ReceiptUse.h"

namespace quorv {

bool isReleasedCard(Db &db, qint64 number)
{
    return db.any(QStringLiteral("select 1 from kahao where qsph < ? and zzph > ? limit 1"), {number, number});
}

Verdict issueCard(Db &db, const CardKind &kind, const CardInput &in)
{
    if (auto empty = firstEmpty({{"piaohao", in.piaohao, "票号不能为空"},
                                 {"kahao", in.kahao, "卡号不能为空"},
                                 {"xingming", in.xingming, "姓名不能为空"}}))
        return *empty;
    if (auto sex = refuseUnlessSex(in.sex))
        return *sex;
    if (auto empty = firstEmpty({{"shenfenzheng", in.shenfenzheng, "身份证号不能为空"},
                                 {"zongshishu", in.zongshishu, "总时数不能为空"},
                                 {"bankariqi", in.bankariqi, "办卡日期不能为空"},
                                 {"dianhua", in.dianhua, "电话不能为空"},
                                 {"jingban", in.jingban, "经办人不能为空"},
                                 {"jine", in.jine, "金额不能为空"}}))
        return *empty;

    // Values their columns cannot hold are refused before anything is read or written.
    const QVariant receipt = receipts::number(in.piaohao, QStringLiteral("票号"));
    const qint64 card = parse::requireWholeNumber(in.kahao, QStringLiteral("卡号"));
    const double hours = parse::requireNumber(in.zongshishu, QStringLiteral("总时数"));
    const QString issued = parse::requireDate(in.bankariqi, QStringLiteral("办卡日期"));
    const double amount = parse::requireNumber(in.jine, QStringLiteral("金额"));

    UnitOfWork work(db);
    if (auto refused = receipts::refuseUnlessFree(db, receipt, Verdict::Tone::WarningTitled))
        return *refused;
    if (!isReleasedCard(db, card))
        return Verdict::refuse(QStringLiteral("请检查卡号或不要添加非法卡"));
    if (db.any(QStringLiteral("select 1 from card where kahao = ? limit 1"), {card}))
        return Verdict::refuse(QStringLiteral("卡号重复！，你不可以一个号办两张卡！"));
    if (kind.refusesEarlierUse
        && db.any(QStringLiteral("select 1 from card where piaohao = ? or kahao = ? limit 1"), {receipt, card})) {
        Verdict v = Verdict::refuse(QStringLiteral("请检查票号或卡号的合法性，应该是以前输入过这个卡号或票号了。"
                                                   "产生这种错误的原因是你手工更改数据库造成的！"));
        v.closeScreen = true;
        v.closeFirst = true;
        return v;
    }
    db.insert(QStringLiteral("card"), {{QStringLiteral("piaohao"), receipt},
                                       {QStringLiteral("kahao"), card},
                                       {QStringLiteral("xingming"), in.xingming},
                                       {QStringLiteral("sex"), in.sex},
                                       {QStringLiteral("shenfenzheng"), in.shenfenzheng},
                                       {QStringLiteral("zongshi"), hours},
                                       {QStringLiteral("zheng"), in.zheng},
                                       {QStringLiteral("chexing"), in.chexing},
                                       {QStringLiteral("bankariqi"), issued},
                                       {QStringLiteral("zhuzhi"), in.zhuzhi},
                                       {QStringLiteral("dianhua"), in.dianhua},
                                       {QStringLiteral("jingban"), in.jingban},
                                       {QStringLiteral("jine"), amount},
                                       {QStringLiteral("beizhu"), in.beizhu},
                                       {QStringLiteral("kaoshi"), in.kaoshi},
                                       {QStringLiteral("yushi"), hours},
                                       {QStringLiteral("luru"), in.lururen},
                                       {QStringLiteral("card_name"), kind.cardName}});
    receipts::markUsed(db, receipt, kind.use + in.xingming);
    work.commit();
    return Verdict::success(kind.successMessage, Verdict::Tone::Notice);
}

} // namespace quorv
