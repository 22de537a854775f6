#pragma once

#include <QDate>
#include <QString>

namespace quorv {

class Db;

// Which notebook has a note due on the given day: management notes are looked at first, and
// office notes only when no management note is due.
enum class Reminder { None, Management, Office };

Reminder dueReminder(Db &db, const QDate &day);
// The announcement for a reminder, empty for none.
QString reminderText(Reminder reminder);

} // namespace quorv
