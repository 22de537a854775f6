#include "reference/ReferenceRules.h"

#include "data/Db.h"
#include "data/UnitOfWork.h"
#include "reference/ReferenceKinds.h"

#include <QSqlRecord>

namespace quorv::reference {

AddOutcome add(Db &db, const ReferenceKind &kind, const QString &name, const QString &remark)
{
    if (name.trimmed().isEmpty())
        return AddOutcome::EmptyName;
    if (remark.trimmed().isEmpty())
        return AddOutcome::EmptyRemark;
    UnitOfWork work(db);
    db.insert(kind.table, {{kind.table, name.trimmed()}, {QStringLiteral("beizhu"), remark.trimmed()}});
    work.commit();
    return AddOutcome::Added;
}

void change(Db &db, const ReferenceKind &kind, qint64 id, const QString &name, const QString &remark)
{
    Row row;
    if (!name.isEmpty())
        row.append({kind.table, name});
    if (!remark.isEmpty())
        row.append({QStringLiteral("beizhu"), remark});
    UnitOfWork work(db);
    db.update(kind.table, id, row);
    work.commit();
}

bool remove(Db &db, const ReferenceKind &kind, qint64 id)
{
    if (id == 1)
        return false;
    UnitOfWork work(db);
    db.remove(kind.table, id);
    work.commit();
    return true;
}

QStringList names(Db &db, const ReferenceKind &kind)
{
    QStringList result;
    for (const QSqlRecord &r : db.rows(QStringLiteral("select %1 from %1 order by id").arg(kind.table)))
        result << r.value(0).toString();
    return result;
}

} // namespace quorv::reference
