#include "receipts/ReceiptEntry.h"

#include "data/Db.h"
#include "data/Parse.h"
#include "data/UnitOfWork.h"
#include "receipts/ReceiptUse.h"

#include <QSqlRecord>

namespace quorv {

Verdict enterReceipt(Db &db, const ReceiptInput &in)
{
    if (auto empty = firstEmpty({{"piaohao", in.piaohao, "票号不能为空"},
                                 {"xingming", in.xingming, "客户姓名不能为空"},
                                 {"xiangmu", in.xiangmu, "项目名称不能为空"},
                                 {"shuoming", in.shuoming, "项目说明不能为空"},
                                 {"jine", in.jine, "金额不能为空"},
                                 {"dianhua", in.dianhua, "联系方式不能为空"},
                                 {"jingban", in.jingban, "经办人不能为空"},
                                 {"kaipiaoren", in.kaipiaoren, "开票人不能为空"},
                                 {"shenheren", in.shenheren, "审核人不能为空"},
                                 {"shenheriqi", in.shenheriqi, "审核日期不能为空"},
                                 {"kaipiaoriqi", in.kaipiaoriqi, "开票日期不能为空"}}))
        return *empty;

    // Values their columns cannot hold are refused before anything is read or written.
    const qint64 number = parse::requireWholeNumber(in.piaohao, QStringLiteral("票号"));
    const double amount = parse::requireNumber(in.jine, QStringLiteral("金额"));
    const QString audited = parse::requireDate(in.shenheriqi, QStringLiteral("审核日期"));
    const QString written = parse::requireDate(in.kaipiaoriqi, QStringLiteral("开票日期"));

    UnitOfWork work(db);
    if (!receipts::isReleased(db, number))
        return Verdict::refuse(QStringLiteral("请检查票号的合法性，不能添加经理给你的票号以后的号！谢谢合作！"));
    const auto existing = db.rows(QStringLiteral("select yongtu from piaoju where piaohao = ? order by id limit 1"), {number});
    if (!existing.isEmpty())
        return Verdict::refuse(QStringLiteral("票据不可重复使用:") + existing.first().value(0).toString());
    db.insert(QStringLiteral("piaoju"), {{QStringLiteral("piaohao"), number},
                                         {QStringLiteral("xingming"), in.xingming},
                                         {QStringLiteral("xiangmu"), in.xiangmu},
                                         {QStringLiteral("shuoming"), in.shuoming},
                                         {QStringLiteral("jine"), amount},
                                         {QStringLiteral("dianhua"), in.dianhua},
                                         {QStringLiteral("jingban"), in.jingban},
                                         {QStringLiteral("kaipiao"), in.kaipiaoren},
                                         {QStringLiteral("shenheren"), in.shenheren},
                                         {QStringLiteral("luru"), in.luru},
                                         {QStringLiteral("shenheriqi"), audited},
                                         {QStringLiteral("kaipiaoriqi"), written}});
    work.commit();
    return Verdict::success(QStringLiteral("添加票据成功！"), Verdict::Tone::Plain);
}

} // namespace quorv
