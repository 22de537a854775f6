#include "bookings/BookingRules.h"

#include "data/Clock.h"
#include "data/Db.h"
#include "data/Parse.h"
#include "data/UnitOfWork.h"
#include "receipts/ReceiptUse.h"

#include <QSqlRecord>

namespace quorv::bookings {

namespace {

std::optional<int> part(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

Verdict refuseMoment(const char *which, const QString &typed)
{
    return Verdict::refuse(QStringLiteral("%1不是有效的日期和时间：%2").arg(QString::fromUtf8(which), typed),
                           QStringLiteral("Combod1"), Verdict::Tone::ErrorTitled);
}

// The columns both kinds of booking take from the screen; the address and the remark only when
// they are given.
Row customerColumns(const QString &model, const QString &coach, const QString &name, const QString &phone,
                    const QString &address, const QString &remark, const Slot &slot)
{
    Row row{{QStringLiteral("chexing"), model},
            {QStringLiteral("jiaolian"), coach},
            {QStringLiteral("xingming"), name},
            {QStringLiteral("dianhua"), phone},
            {QStringLiteral("s_date"), toStoredDateTime(slot.start)},
            {QStringLiteral("e_date"), toStoredDateTime(slot.end)}};
    if (!address.isEmpty())
        row.append({QStringLiteral("address"), address});
    if (!remark.isEmpty())
        row.append({QStringLiteral("beizhu"), remark});
    return row;
}

} // namespace

std::optional<QDateTime> compose(const QString &year, const QString &month, const QString &day, const QString &hour,
                                 const QString &minute)
{
    const auto y = part(year), mo = part(month), d = part(day), h = part(hour), mi = part(minute);
    if (!y || !mo || !d || !h || !mi)
        return std::nullopt;
    const QDate date(*y, *mo, *d);
    const QTime time(*h, *mi);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

double hoursOf(const QDateTime &start, const QDateTime &end)
{
    return double(start.secsTo(end) / 60) / 60.0;
}

bool clashes(Db &db, const QString &coach, const QDateTime &start, const QDateTime &end, std::optional<qint64> except)
{
    // Two closed intervals overlap exactly when each starts no later than the other ends.
    QString sql = QStringLiteral("select 1 from yueche where jiaolian = ? and e_date >= ? and s_date <= ?");
    QVariantList values{coach.trimmed(), toStoredDateTime(start), toStoredDateTime(end)};
    if (except) {
        sql += QStringLiteral(" and id <> ?");
        values << *except;
    }
    return db.any(sql + QStringLiteral(" limit 1"), values);
}

bool beyondBackEntryLimit(const QDate &startDay, const QDate &today, bool manager)
{
    return !manager && today.daysTo(startDay) < -2;
}

std::optional<Verdict> refuseSlot(const SlotTexts &t, Slot &slot)
{
    const auto start = compose(t.startYear, t.startMonth, t.startDay, t.startHour, t.startMinute);
    if (!start)
        return refuseMoment("开始时间", QStringLiteral("%1-%2-%3 %4:%5").arg(t.startYear, t.startMonth, t.startDay, t.startHour, t.startMinute));
    const auto end = compose(t.endYear, t.endMonth, t.endDay, t.endHour, t.endMinute);
    if (!end) {
        Verdict v = refuseMoment("结束时间", QStringLiteral("%1-%2-%3 %4:%5").arg(t.endYear, t.endMonth, t.endDay, t.endHour, t.endMinute));
        v.field = QStringLiteral("Combod2");
        return v;
    }
    if (*start >= *end)
        return Verdict::refuse(QStringLiteral("结束时间必需大于开始时间的啊！"), QStringLiteral("Combojss"),
                               Verdict::Tone::ErrorTitled);
    slot = {*start, *end};
    return std::nullopt;
}

std::optional<Verdict> refuseCoachOrDay(Db &db, const QString &coach, const Slot &slot, const QDate &today, bool manager)
{
    if (clashes(db, coach, slot.start, slot.end))
        return Verdict::refuse(QStringLiteral("这个教练这个时间有约车，请返回修改"));
    if (beyondBackEntryLimit(slot.start.date(), today, manager))
        return Verdict::refuse(QStringLiteral("对不起，您没有这个权限，约车最多隔二天补录，请联系经理。这个时间可以定制。"), {},
                               Verdict::Tone::Plain);
    return std::nullopt;
}

std::optional<qint64> findCard(Db &db, const QString &typed)
{
    const auto number = parse::wholeNumber(typed);
    if (!number || !cardRow(db, *number))
        return std::nullopt;
    return number;
}

std::optional<QSqlRecord> cardRow(Db &db, qint64 number)
{
    const auto rows = db.rows(QStringLiteral("select * from card where kahao = ? order by id limit 1"), {number});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

Verdict bookOnCard(Db &db, const CardBooking &in, const QDate &today, bool manager)
{
    if (in.address.trimmed().isEmpty())
        return Verdict::refuse(QStringLiteral("接车地址不能为空"), QStringLiteral("address"));
    Slot slot;
    if (auto refused = refuseSlot(in.slot, slot))
        return *refused;
    const double hours = hoursOf(slot.start, slot.end);

    UnitOfWork work(db);
    if (auto refused = refuseCoachOrDay(db, in.jiaolian, slot, today, manager))
        return *refused;
    // The card as it is now, not as it was when the screen opened: another booking may have
    // charged it meanwhile.
    const auto found = cardRow(db, parse::wholeNumber(in.kahao).value_or(-1));
    if (!found)
        return Verdict::refuse(QStringLiteral("有这个卡吗，请重新检查卡号"));
    const QSqlRecord &card = *found;
    const double left = card.value(QStringLiteral("yushi")).toDouble();
    if (left < hours)
        return Verdict::refuse(QStringLiteral("这个卡上时间不够了，请检查！"));

    Row row = customerColumns(in.chexing, in.jiaolian, in.xingming, in.dianhua, in.address, in.beizhu, slot);
    row.append({{QStringLiteral("shichang"), hours},
                {QStringLiteral("zheng"), card.value(QStringLiteral("zheng"))},
                {QStringLiteral("kaoshi"), card.value(QStringLiteral("kaoshi"))},
                {QStringLiteral("piaohao"), card.value(QStringLiteral("piaohao"))},
                {QStringLiteral("kahao"), card.value(QStringLiteral("kahao"))},
                {QStringLiteral("card_name"), card.value(QStringLiteral("card_name"))},
                {QStringLiteral("yushi"), left - hours},
                {QStringLiteral("luru"), in.luru}});
    db.insert(QStringLiteral("yueche"), row);
    db.update(QStringLiteral("card"), card.value(QStringLiteral("id")).toLongLong(), {{QStringLiteral("yushi"), left - hours}});
    work.commit();
    return Verdict::success(card.value(QStringLiteral("kahao")).toString() + QStringLiteral("约车成功"), Verdict::Tone::Warning);
}

Verdict bookWalkIn(Db &db, const WalkInBooking &in, const QDate &today, bool manager)
{
    if (!in.haveCoaches)
        return Verdict::refuse(QStringLiteral("还没有教练，不能约车。请先在“系统→教练管理”中添加教练，再打开临时约车。"));
    if (auto empty = firstEmpty({{"jine", in.jine, "金额不能为空"},
                                 {"piaohao", in.piaohao, "票号不能为空"},
                                 {"xingming", in.xingming, "姓名不能为空"}}))
        return *empty;
    if (in.dianhua.size() != 11 && !in.phoneConfirmed) {
        Verdict v = Verdict::refuse(QStringLiteral("你输入的电话号码不是11位！点是，继续，点否返回修改"),
                                    QStringLiteral("dianhua"), Verdict::Tone::Question);
        v.title = QStringLiteral("信息提示 ");
        return v;
    }
    // Values their columns cannot hold are refused before anything is read or written.
    const QVariant receipt = receipts::number(in.piaohao, QStringLiteral("票号"));
    const double amount = parse::requireNumber(in.jine, QStringLiteral("金额"));

    UnitOfWork work(db);
    if (auto refused = receipts::refuseUnlessFree(db, receipt, Verdict::Tone::WarningTitled))
        return *refused;
    Slot slot;
    if (auto refused = refuseSlot(in.slot, slot))
        return *refused;
    if (auto refused = refuseCoachOrDay(db, in.jiaolian, slot, today, manager))
        return *refused;

    Row row = customerColumns(in.chexing, in.jiaolian, in.xingming, in.dianhua, in.address, in.beizhu, slot);
    row.append({{QStringLiteral("zheng"), in.zheng},
                {QStringLiteral("jine"), amount},
                {QStringLiteral("shichang"), hoursOf(slot.start, slot.end)},
                {QStringLiteral("piaohao"), receipt},
                {QStringLiteral("card_name"), QStringLiteral("0")},
                {QStringLiteral("luru"), in.luru}});
    db.insert(QStringLiteral("yueche"), row);
    receipts::markUsed(db, receipt, receipts::kWalkIn + in.xingming);
    work.commit();
    return Verdict::success(QStringLiteral("临时约车成功"), Verdict::Tone::Warning);
}

} // namespace quorv::bookings
