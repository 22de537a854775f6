#pragma once

#include "data/Db.h"

#include <QString>

namespace quorv::test {

// Small pieces of data the service tests start from.
inline void releaseReceipts(Db &db, qint64 from, qint64 to)
{
    db.insert(QStringLiteral("piaohao"), {{QStringLiteral("qsph"), from}, {QStringLiteral("zzph"), to}});
}

inline void releaseCards(Db &db, qint64 from, qint64 to)
{
    db.insert(QStringLiteral("kahao"), {{QStringLiteral("qsph"), from}, {QStringLiteral("zzph"), to}});
}

// A written receipt; an empty use means it is free.
inline void addReceipt(Db &db, qint64 number, const QString &use = {})
{
    db.insert(QStringLiteral("piaoju"), {{QStringLiteral("piaohao"), number},
                                         {QStringLiteral("xingming"), QStringLiteral("客户")},
                                         {QStringLiteral("yongtu"), use.isEmpty() ? QVariant() : QVariant(use)}});
}

inline QString receiptUse(Db &db, qint64 number)
{
    return db.value(QStringLiteral("select yongtu from piaoju where piaohao = ?"), {number}).toString();
}

inline int rowsOf(Db &db, const QString &table)
{
    return db.value(QStringLiteral("select count(*) from ") + table).toInt();
}

// Makes every change of a table fail inside the engine, as a full disk or a broken file would.
inline void breakWritesTo(Db &db, const QString &table)
{
    for (const char *event : {"insert", "update"})
        db.exec(QStringLiteral("create trigger broken_%1_%2 before %2 on %1 begin select raise(abort, 'disk I/O error'); end")
                    .arg(table, QString::fromLatin1(event)));
}

} // namespace quorv::test
