#pragma once

#include <QString>

namespace quorv {

class Db;
struct RangeKind;

// Releasing, changing and withdrawing number ranges.
namespace ranges {

enum class AddOutcome {
    Incomplete,   // a box is empty
    Overlap,      // the new start or end lies in a stored range, ends included
    StartEmpty,   // the start is blank
    EndEmpty,     // the end is blank
    NotAscending, // the start is not below the end
    Added,
};

// Tests in the kind's order and adds the range in one unit of work. Texts as typed; a text that is
// not a whole number raises InputError naming the field.
AddOutcome add(Db &db, const RangeKind &kind, const QString &start, const QString &end);

// Writes the non-empty boxes of the edit screen (no order or overlap test). A text that is not
// a whole number raises InputError naming the field; nothing is then written.
void change(Db &db, const RangeKind &kind, qint64 id, const QString &start, const QString &end);

void remove(Db &db, const RangeKind &kind, qint64 id);

} // namespace ranges
} // namespace quorv
