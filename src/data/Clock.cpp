#include "data/Clock.h"

#include <optional>

namespace quorv {

namespace {
std::optional<QDateTime> &fixedMoment()
{
    static std::optional<QDateTime> moment;
    return moment;
}
} // namespace

QDateTime Clock::now()
{
    const auto &fixed = fixedMoment();
    // Stored date-times carry whole seconds; keep the clock's answers comparable with them.
    QDateTime t = fixed ? *fixed : QDateTime::currentDateTime();
    t.setTime(QTime(t.time().hour(), t.time().minute(), t.time().second()));
    return t;
}

QDate Clock::today()
{
    return now().date();
}

void Clock::setFixed(const QDateTime &moment)
{
    fixedMoment() = moment;
}

void Clock::useSystemTime()
{
    fixedMoment().reset();
}

QString toStoredDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString toStoredDateTime(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace quorv
