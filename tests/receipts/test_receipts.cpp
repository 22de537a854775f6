#include "app/MainWindow.h"
#include "app/Screens.h"
#include "app/Session.h"
#include "data/Errors.h"
#include "receipts/ReceiptEntry.h"
#include "receipts/ReceiptUse.h"
#include "support/MessageRecorder.h"
#include "support/TempDb.h"
#include "support/TwoCopies.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace quorv;

namespace {

ReceiptInput filled(const QString &number = QStringLiteral("100"))
{
    return {number,          QStringLiteral("张三"),      QStringLiteral("陪练"), QStringLiteral("十小时"),
            QStringLiteral("500"), QStringLiteral("13800000000"), QStringLiteral("李四"), QStringLiteral("王五"),
            QStringLiteral("赵六"), QStringLiteral("2010-7-15"), QStringLiteral("2010/7/16"), QStringLiteral("clerk")};
}

void release(Db &db, qint64 from, qint64 to)
{
    db.insert(QStringLiteral("piaohao"), {{QStringLiteral("qsph"), from}, {QStringLiteral("zzph"), to}});
}

int receiptCount(Db &db)
{
    return db.value(QStringLiteral("select count(*) from piaoju")).toInt();
}

} // namespace

class ReceiptsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Required boxes in their order: each row blanks one box (and every later one).
    void requiredInOrder_data()
    {
        QTest::addColumn<int>("blank");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");
        const char *rows[][2] = {{"票号不能为空", "piaohao"},       {"客户姓名不能为空", "xingming"},
                                 {"项目名称不能为空", "xiangmu"},   {"项目说明不能为空", "shuoming"},
                                 {"金额不能为空", "jine"},         {"联系方式不能为空", "dianhua"},
                                 {"经办人不能为空", "jingban"},     {"开票人不能为空", "kaipiaoren"},
                                 {"审核人不能为空", "shenheren"},   {"审核日期不能为空", "shenheriqi"},
                                 {"开票日期不能为空", "kaipiaoriqi"}};
        for (int i = 0; i < 11; ++i)
            QTest::newRow(rows[i][1]) << i << QString::fromUtf8(rows[i][0]) << QString::fromLatin1(rows[i][1]);
    }

    void requiredInOrder()
    {
        QFETCH(int, blank);
        QFETCH(QString, message);
        QFETCH(QString, field);
        test::TempDb t;
        ReceiptInput in = filled();
        QString *boxes[] = {&in.piaohao, &in.xingming, &in.xiangmu, &in.shuoming, &in.jine, &in.dianhua,
                            &in.jingban, &in.kaipiaoren, &in.shenheren, &in.shenheriqi, &in.kaipiaoriqi};
        for (int i = blank; i < 11; ++i)
            *boxes[i] = QStringLiteral("  "); // blanks only count as empty
        const Verdict v = enterReceipt(t.db(), in);
        QVERIFY(!v.done);
        QCOMPARE(v.message, message);
        QCOMPARE(v.field, field);
        QCOMPARE(receiptCount(t.db()), 0);
    }

    // With 100–199 released: the number must lie in a range and be new.
    void numberChecks_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message"); // empty: entered
        const QString outside = QStringLiteral("请检查票号的合法性，不能添加经理给你的票号以后的号！谢谢合作！");
        QTest::newRow("first of the range") << "100" << "";
        QTest::newRow("last of the range") << "199" << "";
        QTest::newRow("blanks around") << " 150 " << "";
        QTest::newRow("just before") << "99" << outside;
        QTest::newRow("just after") << "200" << outside;
        QTest::newRow("entered, not used") << "120" << "票据不可重复使用:";
        QTest::newRow("entered and used") << "121" << "票据不可重复使用:记时卡王" ;
        QTest::newRow("entered and voided") << "122" << "票据不可重复使用:作废卡clerk";
    }

    void numberChecks()
    {
        QFETCH(QString, number);
        QFETCH(QString, message);
        test::TempDb t;
        release(t.db(), 100, 199);
        for (const auto &[n, use] : {std::pair{120, QString()}, std::pair{121, QStringLiteral("记时卡王")},
                                     std::pair{122, QStringLiteral("作废卡clerk")}})
            t.db().insert(QStringLiteral("piaoju"), {{QStringLiteral("piaohao"), n}, {QStringLiteral("yongtu"), use.isEmpty() ? QVariant() : QVariant(use)}});
        const Verdict v = enterReceipt(t.db(), filled(number));
        QCOMPARE(v.done, message.isEmpty());
        QCOMPARE(v.message, message.isEmpty() ? QStringLiteral("添加票据成功！") : message);
        QCOMPARE(receiptCount(t.db()), message.isEmpty() ? 4 : 3);
    }

    void noRangeAtAll()
    {
        test::TempDb t;
        QCOMPARE(enterReceipt(t.db(), filled()).message,
                 QStringLiteral("请检查票号的合法性，不能添加经理给你的票号以后的号！谢谢合作！"));
    }

    // Texts are stored as typed, numbers in number columns, dates in their normal form.
    void storedForms()
    {
        test::TempDb t;
        release(t.db(), 100, 199);
        ReceiptInput in = filled(QStringLiteral(" 150"));
        in.xingming = QStringLiteral(" 张 三 ");
        in.jine = QStringLiteral(" 12.5 ");
        const Verdict v = enterReceipt(t.db(), in);
        QVERIFY(v.done);
        QCOMPARE(v.tone, Verdict::Tone::Plain);
        QVERIFY(v.closeScreen);
        const auto r = t.db().rows(QStringLiteral("select piaohao, typeof(piaohao), xingming, jine, shenheriqi, kaipiaoriqi, "
                                                  "kaipiao, luru, yongtu from piaoju"))
                           .first();
        QCOMPARE(r.value(0).toLongLong(), 150);
        QCOMPARE(r.value(1).toString(), QStringLiteral("integer"));
        QCOMPARE(r.value(2).toString(), QStringLiteral(" 张 三 "));
        QCOMPARE(r.value(3).toDouble(), 12.5);
        QCOMPARE(r.value(4).toString(), QStringLiteral("2010-07-15"));
        QCOMPARE(r.value(5).toString(), QStringLiteral("2010-07-16"));
        QCOMPARE(r.value(6).toString(), QStringLiteral("王五"));
        QCOMPARE(r.value(7).toString(), QStringLiteral("clerk"));
        QVERIFY(r.value(8).toString().isEmpty());
    }

    // A value its column cannot hold names the field and writes nothing.
    void valuesTheColumnsCannotHold_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("named");
        QTest::newRow("fraction as receipt number") << "150.5" << "2010-7-15" << "票号";
        QTest::newRow("day 31 of a 30-day month") << "150" << "2010-6-31" << "审核日期";
        QTest::newRow("words as a date") << "150" << "yesterday" << "审核日期";
    }

    void valuesTheColumnsCannotHold()
    {
        QFETCH(QString, number);
        QFETCH(QString, date);
        QFETCH(QString, named);
        test::TempDb t;
        release(t.db(), 100, 199);
        ReceiptInput in = filled(number);
        in.shenheriqi = date;
        try {
            enterReceipt(t.db(), in);
            QFAIL("accepted");
        } catch (const InputError &e) {
            QVERIFY2(e.text().contains(named), qPrintable(e.text()));
        }
        QCOMPARE(receiptCount(t.db()), 0);
    }

    // Two copies of the program entering the same receipt number at the same moment: one wins.
    void twoCopiesSameNumber()
    {
        test::TempDb t;
        release(t.db(), 1, 1000);
        const auto results = test::inTwoCopies<QStringList>(t.path(), [](Db &db, int) {
            QStringList said;
            for (int n = 1; n <= 60; ++n)
                said << enterReceipt(db, filled(QString::number(n))).message;
            return said;
        });
        for (int i = 0; i < 60; ++i) {
            const QStringList pair = {results[0][i], results[1][i]};
            QCOMPARE(pair.count(QStringLiteral("添加票据成功！")), 1);
            QCOMPARE(pair.count(QStringLiteral("票据不可重复使用:")), 1);
        }
        QCOMPARE(receiptCount(t.db()), 60);
    }

    // The screen: numbers-only boxes, the calendars, the entered-by box, closing on success.
    void screen()
    {
        test::TempDb t;
        release(t.db(), 100, 199);
        test::MessageRecorder messages;
        registerScreens();
        MainWindow::setExitHandler([] {});
        Session::start(QStringLiteral(" clerk "), QStringLiteral("录入员"));
        MainWindow w;
        QWidget *s = w.open(QStringLiteral("add_piaoju"));
        QCOMPARE(s->windowTitle(), QStringLiteral("添加票据"));
        auto box = [s](const char *name) { return s->findChild<QLineEdit *>(QString::fromLatin1(name)); };
        QCOMPARE(box("luru")->text(), QStringLiteral(" clerk "));
        QVERIFY(box("luru")->isReadOnly());

        QTest::keyClicks(box("jine"), QStringLiteral("5x"));
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("金额请输入数字！")});
        QCOMPARE(messages.last().title, QStringLiteral("错误提示"));
        QVERIFY(box("jine")->text().isEmpty());
        QTest::keyClicks(box("jine"), QStringLiteral("5"));
        QTest::keyClick(box("jine"), Qt::Key_Backspace);
        QCOMPARE(messages.texts().size(), 2);
        QTest::keyClicks(box("piaohao"), QStringLiteral("a"));
        QCOMPARE(messages.last().text, QStringLiteral("票号请输入数字！"));
        QTest::keyClicks(box("dianhua"), QStringLiteral("-"));
        QCOMPARE(messages.last().text, QStringLiteral("电话号码请输入数字！"));

        // A double click writes the day and hides the calendar; typing shows it again.
        auto *calendar = s->findChild<QCalendarWidget *>(QStringLiteral("MonthView1"));
        QVERIFY(!calendar->isHidden());
        Q_EMIT calendar->activated(QDate(2010, 7, 15));
        QCOMPARE(box("shenheriqi")->text(), QStringLiteral("2010-07-15"));
        QVERIFY(calendar->isHidden());
        QTest::keyClick(box("shenheriqi"), Qt::Key_Backspace);
        QVERIFY(!calendar->isHidden());

        messages.clear();
        s->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("票号不能为空")});
        QCOMPARE(s->focusWidget(), box("piaohao"));

        const ReceiptInput in = filled(QStringLiteral("150"));
        box("piaohao")->setText(in.piaohao);
        for (const char *name : {"xingming", "xiangmu", "jine", "dianhua", "jingban", "kaipiaoren", "shenheren"})
            box(name)->setText(QStringLiteral("x1"));
        box("jine")->setText(QStringLiteral("10"));
        s->findChild<QPlainTextEdit *>(QStringLiteral("shuoming"))->setPlainText(QStringLiteral("说明"));
        box("shenheriqi")->setText(QStringLiteral("2010-7-15"));
        box("kaipiaoriqi")->setText(QStringLiteral("2010-7-15"));
        s->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(messages.last().text, QStringLiteral("添加票据成功！"));
        QVERIFY(!w.find(QStringLiteral("add_piaoju")));
        QCOMPARE(t.db().value(QStringLiteral("select luru from piaoju")).toString(), QStringLiteral(" clerk "));
    }
};

QTEST_MAIN(ReceiptsTest)
#include "test_receipts.moc"
