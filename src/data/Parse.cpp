#include "data/Parse.h"

#include "data/Clock.h"
#include "data/Errors.h"

#include <QObject>
#include <QRegularExpression>

#include <cmath>

namespace quorv::parse {

namespace {

// Largest whole number a double holds exactly.
constexpr double kWholeLimit = 9007199254740992.0;

} // namespace

std::optional<double> number(const QString &text)
{
    static const QRegularExpression re(QStringLiteral(R"(^[+-]?(\d+(\.\d*)?|\.\d+)([eE][+-]?\d+)?$)"));
    const QString t = text.trimmed();
    if (!re.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<qint64> wholeNumber(const QString &text)
{
    const auto v = number(text);
    if (!v || std::trunc(*v) != *v || std::fabs(*v) > kWholeLimit)
        return std::nullopt;
    return static_cast<qint64>(*v);
}

std::optional<QDateTime> dateTime(const QString &text)
{
    static const QRegularExpression re(QStringLiteral(
        R"(^(\d{4})([-/.])(\d{1,2})\2(\d{1,2})(?:(?:\s+|T)(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?$)"));
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
    QTime t(0, 0, 0);
    if (m.capturedLength(5) > 0)
        t = QTime(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(7).toInt());
    if (!d.isValid() || !t.isValid())
        return std::nullopt;
    return QDateTime(d, t);
}

std::optional<QDate> date(const QString &text)
{
    const auto dt = dateTime(text);
    if (!dt)
        return std::nullopt;
    return dt->date();
}

double requireNumber(const QString &text, const QString &field)
{
    const auto v = number(text);
    if (!v)
        throw InputError(QObject::tr("“%1”必须是数字，现在是“%2”。").arg(field, text));
    return *v;
}

qint64 requireWholeNumber(const QString &text, const QString &field)
{
    const auto v = wholeNumber(text);
    if (!v)
        throw InputError(QObject::tr("“%1”必须是整数，现在是“%2”。").arg(field, text));
    return *v;
}

QString requireDate(const QString &text, const QString &field)
{
    const auto d = date(text);
    if (!d)
        throw InputError(QObject::tr("“%1”不是有效的日期：“%2”。日期格式如 2010-7-15。").arg(field, text));
    return toStoredDate(*d);
}

QString requireDateTime(const QString &text, const QString &field)
{
    const auto dt = dateTime(text);
    if (!dt)
        throw InputError(
            QObject::tr("“%1”不是有效的日期时间：“%2”。格式如 2010-7-15 8:30。").arg(field, text));
    return toStoredDateTime(*dt);
}

} // namespace quorv::parse
