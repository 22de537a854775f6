#include "app/MainWindow.h"
#include "app/Screens.h"
#include "app/Session.h"
#include "bookings/BookingRules.h"
#include "data/Clock.h"
#include "reference/ReferenceKinds.h"
#include "reference/ReferenceRules.h"
#include "support/Fixtures.h"
#include "support/MessageRecorder.h"
#include "support/TempDb.h"
#include "support/TwoCopies.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QtTest>

using namespace quorv;
using namespace quorv::bookings;
using test::addReceipt;
using test::receiptUse;
using test::rowsOf;

Q_DECLARE_METATYPE(quorv::bookings::SlotTexts)

namespace {

const QDate kToday(2026, 12, 11);

SlotTexts slotOn(const QDate &day, const QString &from, const QString &to)
{
    const QStringList f = from.split(QLatin1Char(':')), t = to.split(QLatin1Char(':'));
    const QString y = QString::number(day.year()), m = QString::number(day.month()), d = QString::number(day.day());
    return {y, m, d, f[0], f[1], y, m, d, t[0], t[1]};
}

void addCard(Db &db, qint64 number, double hoursLeft)
{
    db.insert(QStringLiteral("card"), {{QStringLiteral("kahao"), number},
                                       {QStringLiteral("piaohao"), 500 + number},
                                       {QStringLiteral("card_name"), QStringLiteral("记时卡")},
                                       {QStringLiteral("xingming"), QStringLiteral("张三")},
                                       {QStringLiteral("dianhua"), QStringLiteral("13800000000")},
                                       {QStringLiteral("zheng"), QStringLiteral("有证")},
                                       {QStringLiteral("kaoshi"), QStringLiteral("科目二")},
                                       {QStringLiteral("zongshi"), hoursLeft},
                                       {QStringLiteral("yushi"), hoursLeft}});
}

CardBooking onCard(qint64 card, const QString &coach, const SlotTexts &slot)
{
    CardBooking in;
    in.kahao = QString::number(card);
    in.xingming = QStringLiteral("张三");
    in.dianhua = QStringLiteral("13800000000");
    in.address = QStringLiteral("东门");
    in.jiaolian = coach;
    in.chexing = QStringLiteral("捷达");
    in.luru = QStringLiteral("clerk");
    in.slot = slot;
    return in;
}

WalkInBooking walkIn(const QString &receipt, const QString &phone = QStringLiteral("13800000000"))
{
    WalkInBooking in;
    in.piaohao = receipt;
    in.jine = QStringLiteral("200");
    in.xingming = QStringLiteral("李四");
    in.dianhua = phone;
    in.zheng = QStringLiteral("无证");
    in.jiaolian = QStringLiteral("王教练");
    in.chexing = QStringLiteral("捷达");
    in.luru = QStringLiteral("clerk");
    in.slot = slotOn(kToday.addDays(1), QStringLiteral("9:00"), QStringLiteral("10:00"));
    return in;
}

double cardHours(Db &db, qint64 card)
{
    return db.value(QStringLiteral("select yushi from card where kahao = ?"), {card}).toDouble();
}

} // namespace

class BookingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Clock::useSystemTime(); }

    // Coach A has 09:00–11:00 on the day; a new slot clashes when the two overlap at all.
    void clash_data()
    {
        QTest::addColumn<QString>("coach");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("refused");
        QTest::newRow("touching after") << "A" << "11:00" << "12:00" << true;
        QTest::newRow("touching before") << "A" << "8:00" << "9:00" << true;
        QTest::newRow("overlapping the end") << "A" << "10:00" << "12:00" << true;
        QTest::newRow("enclosing") << "A" << "8:00" << "12:00" << true;
        QTest::newRow("enclosed") << "A" << "9:30" << "10:30" << true;
        QTest::newRow("the same slot") << "A" << "9:00" << "11:00" << true;
        QTest::newRow("after, with a gap") << "A" << "11:30" << "12:30" << false;
        QTest::newRow("before, with a gap") << "A" << "7:00" << "8:30" << false;
        QTest::newRow("another coach, same model") << "B" << "9:00" << "11:00" << false;
    }

    void clash()
    {
        QFETCH(QString, coach);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, refused);
        test::TempDb t;
        addCard(t.db(), 1001, 100);
        const QDate day = kToday.addDays(3);
        QVERIFY(bookOnCard(t.db(), onCard(1001, QStringLiteral("A"), slotOn(day, QStringLiteral("9:00"), QStringLiteral("11:00"))), kToday, false).done);
        const Verdict v = bookOnCard(t.db(), onCard(1001, coach, slotOn(day, from, to)), kToday, false);
        QCOMPARE(v.message, refused ? QStringLiteral("这个教练这个时间有约车，请返回修改") : QStringLiteral("1001约车成功"));
        QCOMPARE(rowsOf(t.db(), QStringLiteral("yueche")), refused ? 1 : 2);
    }

    // Clerks may enter slots back to the day before yesterday; the manager any; the future always.
    void backEntry_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("manager");
        QTest::addColumn<bool>("refused");
        QTest::newRow("clerk, yesterday") << -1 << false << false;
        QTest::newRow("clerk, the day before yesterday") << -2 << false << false;
        QTest::newRow("clerk, three days back") << -3 << false << true;
        QTest::newRow("clerk, a month ahead") << 30 << false << false;
        QTest::newRow("manager, three days back") << -3 << true << false;
        QTest::newRow("manager, a year back") << -365 << true << false;
    }

    void backEntry()
    {
        QFETCH(int, days);
        QFETCH(bool, manager);
        QFETCH(bool, refused);
        test::TempDb t;
        addCard(t.db(), 1001, 100);
        addReceipt(t.db(), 100);
        const SlotTexts slot = slotOn(kToday.addDays(days), QStringLiteral("0:00"), QStringLiteral("1:00"));
        const QString limit = QStringLiteral("对不起，您没有这个权限，约车最多隔二天补录，请联系经理。这个时间可以定制。");
        const Verdict card = bookOnCard(t.db(), onCard(1001, QStringLiteral("A"), slot), kToday, manager);
        WalkInBooking w = walkIn(QStringLiteral("100"));
        w.slot = slot;
        w.jiaolian = QStringLiteral("B");
        const Verdict walk = bookWalkIn(t.db(), w, kToday, manager);
        for (const Verdict &v : {card, walk}) {
            QCOMPARE(v.done, !refused);
            if (refused) {
                QCOMPARE(v.message, limit);
                QCOMPARE(v.tone, Verdict::Tone::Plain);
            }
        }
    }

    // Hours: equal is enough; the slot's whole minutes / 60 come off the card and the booking.
    void hours_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("booked");
        QTest::addColumn<double>("length");
        QTest::newRow("exactly the hours left") << 2.0 << "9:00" << true << 2.0;
        QTest::newRow("half an hour too long") << 2.0 << "9:30" << false << 2.5;
        QTest::newRow("an hour and a half") << 10.0 << "8:30" << true << 1.5;
    }

    void hours()
    {
        QFETCH(double, left);
        QFETCH(QString, to);
        QFETCH(bool, booked);
        QFETCH(double, length);
        test::TempDb t;
        addCard(t.db(), 1001, left);
        const Verdict v = bookOnCard(t.db(), onCard(1001, QStringLiteral("A"), slotOn(kToday.addDays(1), QStringLiteral("7:00"), to)), kToday, false);
        QCOMPARE(v.done, booked);
        if (!booked) {
            QCOMPARE(v.message, QStringLiteral("这个卡上时间不够了，请检查！"));
            QCOMPARE(cardHours(t.db(), 1001), left);
            return;
        }
        const auto r = t.db().rows(QStringLiteral("select shichang, yushi from yueche")).first();
        QCOMPARE(r.value(0).toDouble(), length);
        QCOMPARE(r.value(1).toDouble(), left - length);
        QCOMPARE(cardHours(t.db(), 1001), left - length);
    }

    // The refusals before any booking is looked at.
    void slotRefusals_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<SlotTexts>("slot");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");
        const QString y = QString::number(kToday.addDays(1).year());
        const SlotTexts fresh{y, QStringLiteral("12"), QStringLiteral("12"), QStringLiteral("7"), QStringLiteral("00"),
                              y, QStringLiteral("12"), QStringLiteral("12"), QStringLiteral("7"), QStringLiteral("00")};
        QTest::newRow("no address") << "  " << fresh << "接车地址不能为空" << "address";
        QTest::newRow("pickers untouched") << "东门" << fresh << "结束时间必需大于开始时间的啊！" << "Combojss";
        SlotTexts reversed = slotOn(kToday.addDays(1), QStringLiteral("9:00"), QStringLiteral("8:30"));
        QTest::newRow("end before start") << "东门" << reversed << "结束时间必需大于开始时间的啊！" << "Combojss";
        SlotTexts april31 = slotOn(QDate(2027, 4, 30), QStringLiteral("9:00"), QStringLiteral("10:00"));
        april31.startDay = QStringLiteral("31");
        QTest::newRow("day 31 of a 30-day month") << "东门" << april31 << "开始时间不是有效的日期和时间：2027-4-31 9:00" << "Combod1";
        SlotTexts letters = slotOn(QDate(2027, 4, 30), QStringLiteral("9:00"), QStringLiteral("10:00"));
        letters.endHour = QStringLiteral("ten");
        QTest::newRow("letters in the end hour") << "东门" << letters << "结束时间不是有效的日期和时间：2027-4-30 ten:00" << "Combod2";
    }

    void slotRefusals()
    {
        QFETCH(QString, address);
        QFETCH(SlotTexts, slot);
        QFETCH(QString, message);
        QFETCH(QString, field);
        test::TempDb t;
        addCard(t.db(), 1001, 100);
        CardBooking in = onCard(1001, QStringLiteral("A"), slot);
        in.address = address;
        const Verdict v = bookOnCard(t.db(), in, kToday, false);
        QCOMPARE(v.message, message);
        QCOMPARE(v.field, field);
        QCOMPARE(rowsOf(t.db(), QStringLiteral("yueche")), 0);
    }

    // The rows a card booking and a walk-in booking leave behind.
    void storedRows()
    {
        test::TempDb t;
        addCard(t.db(), 1001, 10);
        addReceipt(t.db(), 100);
        CardBooking card = onCard(1001, QStringLiteral("A"), slotOn(kToday.addDays(1), QStringLiteral("7:00"), QStringLiteral("8:30")));
        card.beizhu = QString();
        const Verdict booked = bookOnCard(t.db(), card, kToday, false);
        QCOMPARE(booked.message, QStringLiteral("1001约车成功"));
        QCOMPARE(booked.tone, Verdict::Tone::Warning);
        QVERIFY(booked.closeScreen);
        const Verdict walked = bookWalkIn(t.db(), walkIn(QStringLiteral("100")), kToday, false);
        QCOMPARE(walked.message, QStringLiteral("临时约车成功"));
        QCOMPARE(walked.tone, Verdict::Tone::Warning);
        const auto rows = t.db().rows(QStringLiteral("select card_name, kahao, piaohao, yushi, kaoshi, zheng, jine, beizhu, "
                                                     "s_date, e_date, shichang, address, luru from yueche order by id"));
        const QSqlRecord c = rows[0], w = rows[1];
        QCOMPARE(c.value(0).toString(), QStringLiteral("记时卡"));
        QCOMPARE(c.value(1).toLongLong(), 1001);
        QCOMPARE(c.value(2).toLongLong(), 1501);
        QCOMPARE(c.value(3).toDouble(), 8.5);
        QCOMPARE(c.value(4).toString(), QStringLiteral("科目二"));
        QCOMPARE(c.value(5).toString(), QStringLiteral("有证"));
        QVERIFY(c.value(6).isNull() && c.value(7).isNull());
        QCOMPARE(c.value(8).toString(), toStoredDate(kToday.addDays(1)) + QStringLiteral(" 07:00:00"));
        QCOMPARE(c.value(9).toString(), toStoredDate(kToday.addDays(1)) + QStringLiteral(" 08:30:00"));
        QCOMPARE(w.value(0).toString(), QStringLiteral("0"));
        QVERIFY(w.value(1).isNull() && w.value(3).isNull() && w.value(4).isNull());
        QCOMPARE(w.value(2).toLongLong(), 100);
        QCOMPARE(w.value(5).toString(), QStringLiteral("无证"));
        QCOMPARE(w.value(6).toDouble(), 200.0);
        QCOMPARE(w.value(10).toDouble(), 1.0);
        QVERIFY(w.value(11).isNull()); // an empty address is allowed, and not written
        QCOMPARE(receiptUse(t.db(), 100), QStringLiteral("临时约车李四"));
    }

    // The walk-in's own checks, in order.
    void walkInChecks_data()
    {
        QTest::addColumn<QString>("jine");
        QTest::addColumn<QString>("receipt");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("tone");
        const int warning = int(Verdict::Tone::Warning);
        QTest::newRow("amount") << " " << "" << "" << "" << "金额不能为空" << warning;
        QTest::newRow("receipt") << "200" << "" << "" << "" << "票号不能为空" << warning;
        QTest::newRow("name") << "200" << "100" << " " << "" << "姓名不能为空" << warning;
        QTest::newRow("7-digit telephone") << "200" << "100" << "李四" << "5551234" << "你输入的电话号码不是11位！点是，继续，点否返回修改" << int(Verdict::Tone::Question);
        QTest::newRow("empty telephone") << "200" << "100" << "李四" << "" << "你输入的电话号码不是11位！点是，继续，点否返回修改" << int(Verdict::Tone::Question);
        QTest::newRow("11 digits: no question") << "200" << "100" << "李四" << "13800000000" << "临时约车成功" << warning;
        QTest::newRow("no such receipt") << "200" << "999" << "李四" << "13800000000" << "请先开票或检查你输入的票号是否正确" << warning;
        QTest::newRow("receipt used by a card") << "200" << "101" << "李四" << "13800000000" << "票据不可重复使用:记时卡张三" << int(Verdict::Tone::WarningTitled);
    }

    void walkInChecks()
    {
        QFETCH(QString, jine);
        QFETCH(QString, receipt);
        QFETCH(QString, name);
        QFETCH(QString, phone);
        QFETCH(QString, message);
        QFETCH(int, tone);
        test::TempDb t;
        addReceipt(t.db(), 100);
        addReceipt(t.db(), 101, QStringLiteral("记时卡张三"));
        WalkInBooking in = walkIn(receipt, phone);
        in.jine = jine;
        in.xingming = name;
        const Verdict v = bookWalkIn(t.db(), in, kToday, false);
        QCOMPARE(v.message, message);
        QCOMPARE(int(v.tone), tone);
        if (v.tone == Verdict::Tone::Question) {
            QCOMPARE(v.title, QStringLiteral("信息提示 "));
            QCOMPARE(v.field, QStringLiteral("dianhua"));
            in.phoneConfirmed = true;
            QVERIFY(bookWalkIn(t.db(), in, kToday, false).done);
        }
    }

    // Two copies of the program booking one coach for overlapping slots: exactly one succeeds.
    void twoCopiesOneCoach()
    {
        test::TempDb t;
        addCard(t.db(), 1, 1000);
        addCard(t.db(), 2, 1000);
        const auto said = test::inTwoCopies<QList<bool>>(t.path(), [](Db &db, int copy) {
            QList<bool> done;
            for (int day = 1; day <= 30; ++day) {
                const SlotTexts slot = slotOn(kToday.addDays(day), copy ? QStringLiteral("9:30") : QStringLiteral("9:00"),
                                              copy ? QStringLiteral("10:30") : QStringLiteral("10:00"));
                done << bookOnCard(db, onCard(copy + 1, QStringLiteral("A"), slot), kToday, false).done;
            }
            return done;
        });
        for (int i = 0; i < 30; ++i)
            QVERIFY(said[0][i] != said[1][i]);
        QCOMPARE(rowsOf(t.db(), QStringLiteral("yueche")), 30);
    }

    // Two copies charging the same card: every deduction counts, and the card is never overdrawn.
    void twoCopiesOneCard()
    {
        test::TempDb t;
        addCard(t.db(), 1001, 25);
        const auto said = test::inTwoCopies<int>(t.path(), [](Db &db, int copy) {
            int booked = 0;
            for (int day = 1; day <= 15; ++day) {
                const SlotTexts slot = slotOn(kToday.addDays(day), QStringLiteral("9:00"), QStringLiteral("10:00"));
                booked += bookOnCard(db, onCard(1001, copy ? QStringLiteral("B") : QStringLiteral("A"), slot), kToday, false).done;
            }
            return booked;
        });
        QCOMPARE(said[0] + said[1], 25);
        QCOMPARE(cardHours(t.db(), 1001), 0.0);
        QCOMPARE(t.db().value(QStringLiteral("select min(yushi) from yueche")).toDouble(), 0.0);
    }

    // The clash search is served by an index, also over years of bookings.
    void clashSearchUsesAnIndex()
    {
        test::TempDb t;
        QString detail;
        for (const auto &r : t.db().rows(QStringLiteral("explain query plan select 1 from yueche where jiaolian = ? "
                                                        "and e_date >= ? and s_date <= ? limit 1"),
                                         {QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("y")}))
            detail += r.value(QStringLiteral("detail")).toString();
        QVERIFY2(detail.contains(QStringLiteral("USING INDEX ix_yueche_jiaolian")), qPrintable(detail));
    }

    // The screens: the card prompt's messages, the booking screen's card and defaults, the card
    // charged from its hours now, the walk-in question, and 返回.
    void screens()
    {
        test::TempDb t;
        Clock::setFixed(QDateTime(kToday, QTime(15, 0)));
        addCard(t.db(), 1001, 2);
        addReceipt(t.db(), 100);
        reference::add(t.db(), coaches(), QStringLiteral("王教练"), QStringLiteral("a"));
        reference::add(t.db(), coaches(), QStringLiteral("赵教练"), QStringLiteral("b"));
        reference::add(t.db(), vehicleModels(), QStringLiteral("捷达"), QStringLiteral("a"));
        test::MessageRecorder messages;
        registerScreens();
        MainWindow::setExitHandler([] {});
        Session::start(QStringLiteral("clerk"), QStringLiteral("录入员"));
        MainWindow w;

        w.findChild<QAction *>(QStringLiteral("ykyc"))->trigger();
        QWidget *prompt = w.find(QStringLiteral("kaleiyc"));
        auto *card = prompt->findChild<QLineEdit *>(QStringLiteral("kahao"));
        auto submit = [](QWidget *s) { s->findChild<QPushButton *>(QStringLiteral("tijiao"))->click(); };
        for (const QString &typed : {QString(), QStringLiteral("abc"), QStringLiteral("999")}) {
            card->setText(typed);
            submit(prompt);
            QCOMPARE(messages.last().text, typed.isEmpty() ? QStringLiteral("卡号不可为空，如果无卡，请点临时约车")
                                                           : QStringLiteral("有这个卡吗，请重新检查卡号"));
            QCOMPARE(messages.last().title, QStringLiteral("提示3"));
        }
        card->setText(QStringLiteral("1001"));
        submit(prompt);
        QVERIFY(!w.find(QStringLiteral("kaleiyc")));
        QWidget *booking = w.find(QStringLiteral("youkayc"));
        auto box = [&booking](const char *name) { return booking->findChild<QLineEdit *>(QString::fromLatin1(name)); };
        auto combo = [&booking](const char *name) { return booking->findChild<QComboBox *>(QString::fromLatin1(name)); };
        QCOMPARE(booking->findChild<QLabel *>(QStringLiteral("kaleiming"))->text(), QStringLiteral("记时卡"));
        QCOMPARE(box("yushi")->text(), QStringLiteral("2"));
        QCOMPARE(box("xingming")->text(), QStringLiteral("张三"));
        QCOMPARE(combo("jiaolian")->currentText(), QStringLiteral("王教练"));
        QCOMPARE(combo("Comboy1")->currentText(), QStringLiteral("2026"));
        QCOMPARE(combo("Combom1")->currentText(), QStringLiteral("12"));
        QCOMPARE(combo("Combod1")->currentText(), QStringLiteral("12"));
        QCOMPARE(combo("Combokss")->currentText(), QStringLiteral("7"));
        QCOMPARE(combo("Comboksf")->currentText(), QStringLiteral("00"));
        QCOMPARE(combo("Comboy1")->count(), 9);
        QCOMPARE(combo("Combod1")->count(), 32);
        messages.clear();
        submit(booking);
        QCOMPARE(messages.last().text, QStringLiteral("接车地址不能为空"));
        box("address")->setText(QStringLiteral("东门"));
        submit(booking);
        QCOMPARE(messages.last().text, QStringLiteral("结束时间必需大于开始时间的啊！"));
        QCOMPARE(messages.last().title, QStringLiteral("错误提示"));
        QCOMPARE(booking->focusWidget(), combo("Combojss"));

        // Another screen charges the card meanwhile: this one sees the hours now left.
        QVERIFY(bookOnCard(t.db(), onCard(1001, QStringLiteral("赵教练"), slotOn(kToday.addDays(5), QStringLiteral("7:00"), QStringLiteral("9:00"))), kToday, false).done);
        combo("Combojss")->setEditText(QStringLiteral("8"));
        submit(booking);
        QCOMPARE(messages.last().text, QStringLiteral("这个卡上时间不够了，请检查！"));
        QCOMPARE(cardHours(t.db(), 1001), 0.0);

        booking->findChild<QPushButton *>(QStringLiteral("ckxq"))->click();
        QWidget *list = w.find(QStringLiteral("lcxx"));
        QVERIFY(list && list->isWindow());
        QCOMPARE(list->findChild<QAbstractItemView *>(QStringLiteral("DataGrid1"))->model()->rowCount(), 1);
        list->findChild<QPushButton *>(QStringLiteral("gb"))->click();
        booking->findChild<QPushButton *>(QStringLiteral("fh"))->click();
        QVERIFY(!w.find(QStringLiteral("youkayc")));

        // The walk-in screen asks about a short telephone number; No returns to the box.
        w.open(QStringLiteral("kaleiyc"))->findChild<QPushButton *>(QStringLiteral("lsyc"))->click();
        QVERIFY(!w.find(QStringLiteral("kaleiyc")));
        QWidget *walk = w.find(QStringLiteral("linshiyc"));
        QCOMPARE(walk->findChild<QComboBox *>(QStringLiteral("zheng"))->currentText(), QStringLiteral("有证"));
        for (const auto &[name, value] : {std::pair{"piaohao", "100"}, std::pair{"jine", "200"},
                                          std::pair{"xingming", "李四"}, std::pair{"dianhua", "5551234"}})
            walk->findChild<QLineEdit *>(QString::fromLatin1(name))->setText(QString::fromUtf8(value));
        walk->findChild<QComboBox *>(QStringLiteral("Combojss"))->setEditText(QStringLiteral("9"));
        messages.clear();
        messages.answer(false);
        submit(walk);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("你输入的电话号码不是11位！点是，继续，点否返回修改")});
        QCOMPARE(messages.last().title, QStringLiteral("信息提示 "));
        QVERIFY(messages.last().yesNo);
        QCOMPARE(walk->focusWidget(), walk->findChild<QLineEdit *>(QStringLiteral("dianhua")));
        QCOMPARE(rowsOf(t.db(), QStringLiteral("yueche")), 1);
        messages.answer(true);
        submit(walk);
        QCOMPARE(messages.last().text, QStringLiteral("临时约车成功"));
        QVERIFY(!w.find(QStringLiteral("linshiyc")));
        QCOMPARE(receiptUse(t.db(), 100), QStringLiteral("临时约车李四"));
    }

    // With no coach at all the walk-in screen says so when it opens and when 提交 is pressed.
    void walkInWithoutCoaches()
    {
        test::TempDb t;
        test::MessageRecorder messages;
        registerScreens();
        MainWindow::setExitHandler([] {});
        MainWindow w;
        QWidget *walk = w.open(QStringLiteral("linshiyc"));
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("请完善数据，然后使用")});
        walk->findChild<QPushButton *>(QStringLiteral("tijiao"))->click();
        QVERIFY(messages.last().text.contains(QStringLiteral("教练管理")));
        walk->findChild<QPushButton *>(QStringLiteral("fh"))->click();
        QVERIFY(!w.find(QStringLiteral("linshiyc")));
    }
};

QTEST_MAIN(BookingsTest)
#include "test_bookings.moc"
