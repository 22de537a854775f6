#pragma once

#include "records/Verdict.h"

#include <QDateTime>
#include <QSqlRecord>
#include <QString>

#include <optional>

namespace quorv {

class Db;

namespace bookings {

// The texts of the ten time pickers: year, month, day, hour, minute of the start and the end.
struct SlotTexts {
    QString startYear, startMonth, startDay, startHour, startMinute;
    QString endYear, endMonth, endDay, endHour, endMinute;
};

// year-month-day hour:minute:00 from the pickers' texts as typed; nothing when they do not form a
// moment (day 31 of a 30-day month, letters).
std::optional<QDateTime> compose(const QString &year, const QString &month, const QString &day, const QString &hour,
                                 const QString &minute);

// The slot's length in hours: whole minutes / 60 (07:00–08:30 gives 1.5).
double hoursOf(const QDateTime &start, const QDateTime &end);

// Whether the coach has another booking that overlaps [start, end], both ends included (a slot
// touching another one clashes; so does one enclosed by another). `except` leaves out the booking
// being changed.
bool clashes(Db &db, const QString &coach, const QDateTime &start, const QDateTime &end,
             std::optional<qint64> except = std::nullopt);

// Clerks may enter a slot that started at most two calendar days before today; the manager any.
bool beyondBackEntryLimit(const QDate &startDay, const QDate &today, bool manager);

// A refusal for the slot, or the start and end: both must form moments and the start must lie
// before the end.
struct Slot {
    QDateTime start, end;
};
std::optional<Verdict> refuseSlot(const SlotTexts &texts, Slot &slot);

// The checks every booking shares, run inside its unit of work: the coach's clash and the
// back-entry limit.
std::optional<Verdict> refuseCoachOrDay(Db &db, const QString &coach, const Slot &slot, const QDate &today, bool manager);

// What the card booking screen holds, as typed.
struct CardBooking {
    QString kahao; // the card shown on the screen
    QString xingming, dianhua, address, jiaolian, chexing, beizhu, luru;
    SlotTexts slot;
};

// Books a slot on a card: the address, the slot, the coach, the back-entry limit, the card's hours
// (read now, inside the unit of work); then the booking and the card's deduction together.
Verdict bookOnCard(Db &db, const CardBooking &in, const QDate &today, bool manager);

// What the walk-in booking screen holds, as typed.
struct WalkInBooking {
    bool haveCoaches = true; // the coach list was filled when the screen opened
    QString piaohao, jine, xingming, dianhua, address, zheng, jiaolian, chexing, beizhu, luru;
    SlotTexts slot;
    bool phoneConfirmed = false; // the user said Yes to a telephone number that is not 11 long
};

// Books a slot against a free receipt and marks the receipt "临时约车" + name, together.
Verdict bookWalkIn(Db &db, const WalkInBooking &in, const QDate &today, bool manager);

// The card with this typed number, if any (a text that is not a number matches none).
std::optional<qint64> findCard(Db &db, const QString &typed);
// Every column of the card with this number (the first one, should there be two).
std::optional<QSqlRecord> cardRow(Db &db, qint64 number);

} // namespace bookings
} // namespace quorv
