#include "notebooks/ReminderCheck.h"

#include "data/Clock.h"
#include "data/Db.h"

namespace quorv {

Reminder dueReminder(Db &db, const QDate &day)
{
    const QString d = toStoredDate(day);
    if (db.any(QStringLiteral("select 1 from My_note where remind = ? limit 1"), {d}))
        return Reminder::Management;
    if (db.any(QStringLiteral("select 1 from Office_note where remind = ? limit 1"), {d}))
        return Reminder::Office;
    return Reminder::None;
}

QString reminderText(Reminder reminder)
{
    switch (reminder) {
    case Reminder::Management:
        return QStringLiteral("有管理记事提醒，请查看");
    case Reminder::Office:
        return QStringLiteral("有办公记事提醒，请查看");
    case Reminder::None:
        break;
    }
    return {};
}

} // namespace quorv
