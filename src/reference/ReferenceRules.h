#pragma once

#include <QString>
#include <QStringList>

namespace quorv {

class Db;
struct ReferenceKind;

// Adding, changing and deleting entries of a reference list, and reading it for pick lists.
namespace reference {

enum class AddOutcome { EmptyName, EmptyRemark, Added };

// Both values are stored trimmed; the same name may be added twice.
AddOutcome add(Db &db, const ReferenceKind &kind, const QString &name, const QString &remark);
// Writes each non-empty value as typed; an empty one keeps its column.
void change(Db &db, const ReferenceKind &kind, qint64 id, const QString &name, const QString &remark);
// Deletes the entry; entry 1 is never deleted (false).
bool remove(Db &db, const ReferenceKind &kind, qint64 id);
// The names in table order, for the pick lists of other screens.
QStringList names(Db &db, const ReferenceKind &kind);

} // namespace reference
} // namespace quorv
