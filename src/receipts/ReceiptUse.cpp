#include "receipts/ReceiptUse.h"

#include "data/Db.h"
#include "data/Errors.h"
#include "data/Parse.h"

#include <QObject>
#include <QSqlRecord>

namespace quorv::receipts {

QVariant number(const QString &typed, const QString &field)
{
    if (const auto whole = parse::wholeNumber(typed))
        return *whole;
    return parse::requireNumber(typed, field);
}

std::optional<Verdict> refuseUnlessFree(Db &db, const QVariant &number, Verdict::Tone usedTone)
{
    const auto rows = db.rows(QStringLiteral("select yongtu from piaoju where piaohao = ? order by id limit 1"), {number});
    if (rows.isEmpty())
        return Verdict::refuse(QStringLiteral("请先开票或检查你输入的票号是否正确"));
    const QString use = rows.first().value(0).toString();
    if (!use.isEmpty())
        return Verdict::refuse(QStringLiteral("票据不可重复使用:") + use, {}, usedTone);
    return std::nullopt;
}

void markUsed(Db &db, const QVariant &number, const QString &use)
{
    db.exec(QStringLiteral("update piaoju set yongtu = ? where piaohao = ?"), {use, number});
}

bool isReleased(Db &db, qint64 number)
{
    return db.any(QStringLiteral("select 1 from piaohao where qsph <= ? and zzph >= ? limit 1"), {number, number});
}

} // namespace quorv::receipts
