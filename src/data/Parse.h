#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace quorv::parse {

// A number as a general number parser reads it: blanks around, a sign, digits with a decimal
// point, an exponent. The empty text is not a number.
std::optional<double> number(const QString &text);
// A number without a fraction ("12", " -3 ", "12.0"); "12.5" is not one.
std::optional<qint64> wholeNumber(const QString &text);
// A date as people type it: "2010-7-15", "2010-07-15", "2010/7/15", "2010.7.15", optionally
// followed by a time "8:05" or "08:05:30", which a date drops.
std::optional<QDate> date(const QString &text);
std::optional<QDateTime> dateTime(const QString &text);

// Readers for values on their way into a column: they raise InputError naming the field.
double requireNumber(const QString &text, const QString &field);
qint64 requireWholeNumber(const QString &text, const QString &field);
QString requireDate(const QString &text, const QString &field);     // stored form "YYYY-MM-DD"
QString requireDateTime(const QString &text, const QString &field); // "YYYY-MM-DD HH:MM:SS"

} // namespace quorv::parse
