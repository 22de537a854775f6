#include "admin/RangeRules.h"

#include "admin/RangeKinds.h"
#include "data/Db.h"
#include "data/Parse.h"
#include "data/UnitOfWork.h"

#include <optional>

namespace quorv::ranges {

namespace {

bool overlaps(Db &db, const QString &table, qint64 start, qint64 end)
{
    // Only the new range's two ends are tested: a new range that encloses a stored one passes.
    return db.any(QStringLiteral("select 1 from %1 where (qsph <= ? and zzph >= ?) or (qsph <= ? and zzph >= ?) limit 1")
                      .arg(table),
                  {start, start, end, end});
}

} // namespace

AddOutcome add(Db &db, const RangeKind &kind, const QString &startText, const QString &endText)
{
    if (startText.isEmpty() || endText.isEmpty())
        return AddOutcome::Incomplete;
    const QString s = startText.trimmed();
    const QString e = endText.trimmed();
    const auto start = s.isEmpty() ? 0 : parse::requireWholeNumber(s, kind.fieldStart);
    const auto end = e.isEmpty() ? 0 : parse::requireWholeNumber(e, kind.fieldEnd);

    UnitOfWork work(db);
    auto valuesFail = [&]() -> std::optional<AddOutcome> {
        if (s.isEmpty())
            return AddOutcome::StartEmpty;
        if (e.isEmpty())
            return AddOutcome::EndEmpty;
        if (start >= end)
            return AddOutcome::NotAscending;
        return std::nullopt;
    };
    if (kind.valuesCheckedFirst) {
        if (auto failed = valuesFail())
            return *failed;
        if (overlaps(db, kind.table, start, end))
            return AddOutcome::Overlap;
    } else {
        if (!s.isEmpty() && !e.isEmpty() && overlaps(db, kind.table, start, end))
            return AddOutcome::Overlap;
        if (auto failed = valuesFail())
            return *failed;
    }
    db.insert(kind.table, {{QStringLiteral("qsph"), start}, {QStringLiteral("zzph"), end}});
    work.commit();
    return AddOutcome::Added;
}

void change(Db &db, const RangeKind &kind, qint64 id, const QString &start, const QString &end)
{
    Row row;
    if (!start.isEmpty())
        row.append({QStringLiteral("qsph"), parse::requireWholeNumber(start, kind.fieldStart)});
    if (!end.isEmpty())
        row.append({QStringLiteral("zzph"), parse::requireWholeNumber(end, kind.fieldEnd)});
    UnitOfWork work(db);
    db.update(kind.table, id, row);
    work.commit();
}

void remove(Db &db, const RangeKind &kind, qint64 id)
{
    UnitOfWork work(db);
    db.remove(kind.table, id);
    work.commit();
}

} // namespace quorv::ranges
