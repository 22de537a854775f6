#include "app/MainWindow.h"
#include "app/Screens.h"
#include "app/Session.h"
#include "cards/CardIssue.h"
#include "cards/CardKinds.h"
#include "data/Errors.h"
#include "reference/ReferenceKinds.h"
#include "reference/ReferenceRules.h"
#include "support/Fixtures.h"
#include "support/MessageRecorder.h"
#include "support/TempDb.h"
#include "support/TwoCopies.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace quorv;
using test::addReceipt;
using test::receiptUse;
using test::rowsOf;

namespace {

CardInput filled(const QString &receipt = QStringLiteral("100"), const QString &card = QStringLiteral("1001"))
{
    CardInput in;
    in.piaohao = receipt;
    in.kahao = card;
    in.xingming = QStringLiteral("张三");
    in.sex = QStringLiteral("男");
    in.shenfenzheng = QStringLiteral("110101199001011234");
    in.zongshishu = QStringLiteral("30");
    in.chexing = QStringLiteral("捷达");
    in.bankariqi = QStringLiteral("2010-7-15");
    in.dianhua = QStringLiteral("13800000000");
    in.jine = QStringLiteral("3000");
    in.jingban = QStringLiteral("李四");
    in.lururen = QStringLiteral("clerk");
    in.zheng = QStringLiteral("无证");
    return in;
}

const CardKind &kindNamed(const QString &name)
{
    return name == QStringLiteral("timed") ? timedCards() : passGuaranteeCards();
}

// Receipts 100 (free), 101 (used by a timed card), 102 (voided); card range 1000–1101; a card
// numbered 1050 already issued on receipt 90.
void world(Db &db)
{
    test::releaseCards(db, 1000, 1101);
    addReceipt(db, 100);
    addReceipt(db, 101, QStringLiteral("记时卡王五"));
    addReceipt(db, 102, QStringLiteral("作废卡boss"));
    addReceipt(db, 103);
    db.insert(QStringLiteral("card"), {{QStringLiteral("kahao"), 1050}, {QStringLiteral("piaohao"), 90}});
}

} // namespace

class CardsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The boxes in their order; the sex box must say 男 or 女 and is emptied otherwise.
    void formChecks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("receipt") << "piaohao" << " " << "票号不能为空" << "piaohao";
        QTest::newRow("card") << "kahao" << "" << "卡号不能为空" << "kahao";
        QTest::newRow("name") << "xingming" << "" << "姓名不能为空" << "xingming";
        QTest::newRow("sex typed over") << "sex" << "男的" << "请选择正确的性别" << "Combo2";
        QTest::newRow("sex empty") << "sex" << "" << "请选择正确的性别" << "Combo2";
        QTest::newRow("identity") << "shenfenzheng" << "" << "身份证号不能为空" << "shenfenzheng";
        QTest::newRow("hours") << "zongshishu" << "" << "总时数不能为空" << "zongshishu";
        QTest::newRow("date") << "bankariqi" << "" << "办卡日期不能为空" << "bankariqi";
        QTest::newRow("phone") << "dianhua" << "" << "电话不能为空" << "dianhua";
        QTest::newRow("handler") << "jingban" << "" << "经办人不能为空" << "jingban";
        QTest::newRow("amount") << "jine" << "" << "金额不能为空" << "jine";
    }

    void formChecks()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        test::TempDb t;
        world(t.db());
        // Blank this box and every later one: the first refusal is this box's.
        CardInput in = filled();
        QList<std::pair<QString, QString *>> order = {
            {"piaohao", &in.piaohao}, {"kahao", &in.kahao},     {"xingming", &in.xingming},
            {"sex", &in.sex},         {"shenfenzheng", &in.shenfenzheng}, {"zongshishu", &in.zongshishu},
            {"bankariqi", &in.bankariqi}, {"dianhua", &in.dianhua}, {"jingban", &in.jingban}, {"jine", &in.jine}};
        bool from = false;
        for (auto &[name, text] : order) {
            from = from || name == field;
            if (from)
                *text = name == field ? value : QString();
        }
        const Verdict v = issueCard(t.db(), timedCards(), in);
        QCOMPARE(v.message, message);
        QCOMPARE(v.field, focus);
        QCOMPARE(v.clearField, field == QStringLiteral("sex"));
        QCOMPARE(rowsOf(t.db(), QStringLiteral("card")), 1);
    }

    // The receipt and the card number against what is stored.
    void storedChecks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("receipt");
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("message"); // empty: issued
        QTest::addColumn<int>("tone");
        const QString illegal = QStringLiteral("请检查卡号或不要添加非法卡");
        const int warning = int(Verdict::Tone::Warning);
        for (const char *k : {"timed", "pass"}) {
            const QString kind = QString::fromLatin1(k);
            auto row = [&](const char *name) -> QTestData & { return QTest::newRow(qPrintable(kind + QLatin1Char(' ') + QString::fromUtf8(name))) << kind; };
            row("missing receipt") << "999" << "1001" << "请先开票或检查你输入的票号是否正确" << warning;
            row("receipt used by a card") << "101" << "1001" << "票据不可重复使用:记时卡王五" << int(Verdict::Tone::WarningTitled);
            row("voided receipt") << "102" << "1001" << "票据不可重复使用:作废卡boss" << int(Verdict::Tone::WarningTitled);
            row("first number of the range") << "100" << "1000" << illegal << warning;
            row("last number of the range") << "100" << "1101" << illegal << warning;
            row("outside every range") << "100" << "5000" << illegal << warning;
            row("card number taken") << "100" << "1050" << "卡号重复！，你不可以一个号办两张卡！" << warning;
            row("just inside the start") << "100" << "1001" << "" << 0;
            row("just inside the end") << "100" << " 1100 " << "" << 0;
        }
    }

    void storedChecks()
    {
        QFETCH(QString, kind);
        QFETCH(QString, receipt);
        QFETCH(QString, card);
        QFETCH(QString, message);
        QFETCH(int, tone);
        test::TempDb t;
        world(t.db());
        const Verdict v = issueCard(t.db(), kindNamed(kind), filled(receipt, card));
        if (message.isEmpty()) {
            QVERIFY2(v.done, qPrintable(v.message));
            QCOMPARE(rowsOf(t.db(), QStringLiteral("card")), 2);
            return;
        }
        QCOMPARE(v.message, message);
        QCOMPARE(int(v.tone), tone);
        QVERIFY(!v.closeScreen);
        QCOMPARE(rowsOf(t.db(), QStringLiteral("card")), 1);
        QCOMPARE(receiptUse(t.db(), 100), QString());
    }

    // A timed card refuses a receipt that some card already carries, and closes its screen.
    void timedCardClosesOnEarlierUse()
    {
        test::TempDb t;
        world(t.db());
        t.db().insert(QStringLiteral("card"), {{QStringLiteral("kahao"), 3}, {QStringLiteral("piaohao"), 103}});
        const Verdict timed = issueCard(t.db(), timedCards(), filled(QStringLiteral("103")));
        QVERIFY(timed.message.startsWith(QStringLiteral("请检查票号或卡号的合法性")));
        QVERIFY(timed.closeScreen && timed.closeFirst);
        QVERIFY(issueCard(t.db(), passGuaranteeCards(), filled(QStringLiteral("103"))).done);
    }

    // The card row and the receipt's mark after issue.
    void issuedCard_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("cardName");
        QTest::addColumn<QString>("use");
        QTest::addColumn<QString>("success");
        QTest::newRow("timed") << "timed" << "记时卡" << "记时卡 张三" << "添加记时卡成功！";
        QTest::newRow("pass-guarantee") << "pass" << "保会卡" << "证件 张三" << "添加保会卡卡成功！";
    }

    void issuedCard()
    {
        QFETCH(QString, kind);
        QFETCH(QString, cardName);
        QFETCH(QString, use);
        QFETCH(QString, success);
        test::TempDb t;
        world(t.db());
        CardInput in = filled();
        in.xingming = QStringLiteral(" 张三");
        in.sex = QStringLiteral("女 ");
        in.zongshishu = QStringLiteral(" 30 ");
        const Verdict v = issueCard(t.db(), kindNamed(kind), in);
        QVERIFY(v.done);
        QCOMPARE(v.message, success);
        QCOMPARE(v.tone, Verdict::Tone::Notice);
        QVERIFY(v.closeScreen);
        const auto r = t.db().rows(QStringLiteral("select zongshi, yushi, card_name, xingming, sex, kahao, typeof(kahao), "
                                                  "bankariqi, luru, zheng, chexing from card where kahao = 1001"))
                           .first();
        QCOMPARE(r.value(0).toDouble(), 30.0);
        QCOMPARE(r.value(1).toDouble(), 30.0);
        QCOMPARE(r.value(2).toString(), cardName);
        QCOMPARE(r.value(3).toString(), QStringLiteral(" 张三"));
        QCOMPARE(r.value(4).toString(), QStringLiteral("女 "));
        QCOMPARE(r.value(6).toString(), QStringLiteral("integer"));
        QCOMPARE(r.value(7).toString(), QStringLiteral("2010-07-15"));
        QCOMPARE(r.value(8).toString(), QStringLiteral("clerk"));
        QCOMPARE(r.value(10).toString(), QStringLiteral("捷达"));
        QCOMPARE(receiptUse(t.db(), 100), use);
        // The same receipt never backs a second service.
        QCOMPARE(issueCard(t.db(), kindNamed(kind), filled(QStringLiteral("100"), QStringLiteral("1002"))).message,
                 QStringLiteral("票据不可重复使用:") + use);
    }

    // The card and its receipt mark are written together or not at all.
    void failureLeavesNothingHalfWritten()
    {
        test::TempDb t;
        world(t.db());
        test::breakWritesTo(t.db(), QStringLiteral("piaoju"));
        QVERIFY_THROWS_EXCEPTION(DbError, issueCard(t.db(), timedCards(), filled()));
        QCOMPARE(rowsOf(t.db(), QStringLiteral("card")), 1);
        QVERIFY_THROWS_EXCEPTION(InputError, issueCard(t.db(), timedCards(), filled(QStringLiteral("100"), QStringLiteral("1001.5"))));
        CardInput badDate = filled();
        badDate.bankariqi = QStringLiteral("2010-2-30");
        QVERIFY_THROWS_EXCEPTION(InputError, issueCard(t.db(), timedCards(), badDate));
    }

    // Two copies of the program issuing cards on the same receipt at the same moment.
    void twoCopiesOneReceipt()
    {
        test::TempDb t;
        test::releaseCards(t.db(), 1, 10000);
        for (int r = 1; r <= 40; ++r)
            addReceipt(t.db(), r);
        const auto said = test::inTwoCopies<QStringList>(t.path(), [](Db &db, int copy) {
            QStringList messages;
            for (int r = 1; r <= 40; ++r) {
                CardInput in = filled(QString::number(r), QString::number(r * 10 + copy + 1));
                in.xingming = QStringLiteral("copy%1").arg(copy);
                messages << issueCard(db, timedCards(), in).message;
            }
            return messages;
        });
        for (int r = 1; r <= 40; ++r) {
            const QStringList pair = {said[0][r - 1], said[1][r - 1]};
            QCOMPARE(pair.count(QStringLiteral("添加记时卡成功！")), 1);
            const int loser = pair[0] == QStringLiteral("添加记时卡成功！") ? 1 : 0;
            QCOMPARE(pair[loser], QStringLiteral("票据不可重复使用:记时卡copy%1").arg(1 - loser));
        }
        QCOMPARE(rowsOf(t.db(), QStringLiteral("card")), 40);
    }

    // The screen: the lists it fills, the numbers-only boxes, the calendar, closing on success.
    void screen()
    {
        test::TempDb t;
        world(t.db());
        test::MessageRecorder messages;
        registerScreens();
        MainWindow::setExitHandler([] {});
        Session::start(QStringLiteral("clerk"), QStringLiteral("录入员"));
        MainWindow w;

        QWidget *s = w.open(QStringLiteral("add_jishi"));
        QCOMPARE(s->windowTitle(), QString());
        QCOMPARE(s->findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("请选择车型"));
        QCOMPARE(s->findChild<QComboBox *>(QStringLiteral("Combo3"))->currentText(), QStringLiteral("无证"));
        auto box = [&s](const char *name) { return s->findChild<QLineEdit *>(QString::fromLatin1(name)); };
        QTest::keyClicks(box("kahao"), QStringLiteral("1x"));
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("这是卡号请输入合法数字！")});
        QVERIFY(box("kahao")->text().isEmpty());
        QTest::keyClicks(box("kahao"), QStringLiteral("1"));
        QTest::keyClick(box("kahao"), Qt::Key_Backspace);
        QCOMPARE(messages.texts().size(), 2);
        w.closeAll();

        reference::add(t.db(), vehicleModels(), QStringLiteral("捷达"), QStringLiteral("a"));
        reference::add(t.db(), vehicleModels(), QStringLiteral("桑塔纳"), QStringLiteral("b"));
        s = w.open(QStringLiteral("add_baohui"));
        QCOMPARE(s->windowTitle(), QStringLiteral("添 加 保 会 卡"));
        auto *models = s->findChild<QComboBox *>(QStringLiteral("Combo1"));
        QCOMPARE(models->count(), 2);
        QCOMPARE(models->currentText(), QStringLiteral("捷达"));
        const CardInput in = filled();
        for (const auto &[name, value] : {std::pair{"piaohao", in.piaohao}, std::pair{"kahao", in.kahao},
                                          std::pair{"xingming", in.xingming}, std::pair{"shenfenzheng", in.shenfenzheng},
                                          std::pair{"zongshishu", in.zongshishu}, std::pair{"dianhua", in.dianhua},
                                          std::pair{"jingban", in.jingban}, std::pair{"jine", in.jine}})
            box(name)->setText(value);
        messages.clear();
        s->findChild<QPushButton *>(QStringLiteral("tijiao"))->click();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("办卡日期不能为空")});
        QCOMPARE(s->focusWidget(), box("bankariqi"));
        Q_EMIT s->findChild<QCalendarWidget *>(QStringLiteral("MonthView1"))->clicked(QDate(2013, 5, 6));
        QCOMPARE(box("bankariqi")->text(), QStringLiteral("2013-05-06"));
        s->findChild<QPushButton *>(QStringLiteral("tijiao"))->click();
        QCOMPARE(messages.last().text, QStringLiteral("添加保会卡卡成功！"));
        QCOMPARE(messages.last().title, QString());
        QCOMPARE(messages.last().icon, ui::Message::Icon::None);
        QVERIFY(!w.find(QStringLiteral("add_baohui")));
        QCOMPARE(receiptUse(t.db(), 100), QStringLiteral("证件张三"));
    }
};

QTEST_MAIN(CardsTest)
#include "test_cards.moc"
