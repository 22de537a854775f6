#pragma once

#include <QDate>
#include <QDateTime>

namespace quorv {

// The one source of the current time for the whole program: entry stamps, the ten-minute rule,
// the back-entry limit, "tomorrow" defaults, reminders, backup names. Tests fix it.
class Clock {
public:
    static QDateTime now();
    static QDate today();

    static void setFixed(const QDateTime &moment);
    static void useSystemTime();
};

// Storage forms: dates as "YYYY-MM-DD", date-times as "YYYY-MM-DD HH:MM:SS".
QString toStoredDate(const QDate &date);
QString toStoredDateTime(const QDateTime &moment);

} // namespace quorv
