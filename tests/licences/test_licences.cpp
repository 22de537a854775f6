#include "app/MainWindow.h"
#include "app/Screens.h"
#include "app/Session.h"
#include "cards/CardIssue.h"
#include "cards/CardKinds.h"
#include "licences/LicenceEntry.h"
#include "reference/ReferenceKinds.h"
#include "reference/ReferenceRules.h"
#include "support/Fixtures.h"
#include "support/MessageRecorder.h"
#include "support/TempDb.h"
#include "support/TwoCopies.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace quorv;
using test::addReceipt;
using test::receiptUse;
using test::rowsOf;

namespace {

LicenceInput filled(const QString &receipt = QStringLiteral("100"))
{
    LicenceInput in;
    in.piaohao = receipt;
    in.xingming = QStringLiteral("王五");
    in.nianling = QStringLiteral("25");
    in.sex = QStringLiteral("男");
    in.shenfenzheng = QStringLiteral("110101199001011234");
    in.dangan = QStringLiteral("D-7");
    in.zhengjian = QStringLiteral("C1");
    in.baomingriqi = QStringLiteral("2010-7-15");
    in.dianhua = QStringLiteral("13800000000");
    in.zhuzhi = QStringLiteral("北京");
    in.jingban = QStringLiteral("李四");
    in.shenheren = QStringLiteral("赵六");
    in.shenheriqi = QStringLiteral("2010/7/20");
    in.jine = QStringLiteral("1200");
    in.beizhu = QStringLiteral("加急");
    in.luru = QStringLiteral("clerk");
    return in;
}

} // namespace

class LicencesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formChecks_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const char *rows[][2] = {{"票号不能为空", "piaohao"},       {"姓名不能为空", "xingming"},
                                 {"年龄不能为空", "nianling"},      {"请选择正确的性别", "Combo2"},
                                 {"身份证号不能为空", "shenfenzheng"}, {"档案编号不能为空", "dangan"},
                                 {"请选择证件", "Combo1"},          {"报名日期不能为空", "baomingriqi"},
                                 {"电话不能为空", "dianhua"},       {"住址不能为空", "zhuzhi"},
                                 {"经办人不能为空", "jingban"},     {"审核人不能为空", "shenheren"},
                                 {"审核日期人不能为空", "shenheriqi"}, {"金额不能为空", "jine"},
                                 {"备注不能为空", "beizhu"}};
        for (int i = 0; i < 15; ++i)
            QTest::newRow(rows[i][1]) << i << QString::fromUtf8(rows[i][0]) << QString::fromLatin1(rows[i][1]);
    }

    // Blanking one box and every later one: the first refusal is that box's.
    void formChecks()
    {
        QFETCH(int, box);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        test::TempDb t;
        addReceipt(t.db(), 100);
        LicenceInput in = filled();
        QString *order[] = {&in.piaohao, &in.xingming, &in.nianling, &in.sex, &in.shenfenzheng,
                            &in.dangan, &in.zhengjian, &in.baomingriqi, &in.dianhua, &in.zhuzhi,
                            &in.jingban, &in.shenheren, &in.shenheriqi, &in.jine, &in.beizhu};
        for (int i = box; i < 15; ++i)
            *order[i] = QStringLiteral("  ");
        const Verdict v = enterLicence(t.db(), in);
        QCOMPARE(v.message, message);
        QCOMPARE(v.field, focus);
        QCOMPARE(v.clearField, focus == QStringLiteral("Combo2"));
        QCOMPARE(v.pickFirst, focus == QStringLiteral("Combo1"));
        QCOMPARE(rowsOf(t.db(), QStringLiteral("zhengjian")), 0);
    }

    void receiptChecks_data()
    {
        QTest::addColumn<QString>("receipt");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such receipt") << "999" << "请先开票或检查你输入的票号是否正确";
        QTest::newRow("used by a timed card") << "101" << "票据不可重复使用:记时卡张三";
        QTest::newRow("used by a pass-guarantee card") << "102" << "票据不可重复使用:证件张三";
        QTest::newRow("free") << "100" << "添加证件成功！";
    }

    void receiptChecks()
    {
        QFETCH(QString, receipt);
        QFETCH(QString, message);
        test::TempDb t;
        addReceipt(t.db(), 100);
        addReceipt(t.db(), 101, QStringLiteral("记时卡张三"));
        addReceipt(t.db(), 102, QStringLiteral("证件张三"));
        QCOMPARE(enterLicence(t.db(), filled(receipt)).message, message);
    }

    // The stored application and the receipt's mark; the receipt is then used up.
    void entered()
    {
        test::TempDb t;
        addReceipt(t.db(), 100);
        LicenceInput in = filled(QStringLiteral(" 100"));
        in.sex = QStringLiteral("男 ");
        in.nianling = QStringLiteral("25 ");
        const Verdict v = enterLicence(t.db(), in);
        QVERIFY(v.done);
        QCOMPARE(v.tone, Verdict::Tone::Plain);
        const auto r = t.db().rows(QStringLiteral("select piaohao, typeof(piaohao), sex, age, lingzheng, baomingriqi, "
                                                  "shenhe, jine, address from zhengjian"))
                           .first();
        QCOMPARE(r.value(0).toString(), QStringLiteral(" 100"));
        QCOMPARE(r.value(1).toString(), QStringLiteral("text"));
        QCOMPARE(r.value(2).toString(), QStringLiteral("男 "));
        QCOMPARE(r.value(3).toString(), QStringLiteral("25 "));
        QCOMPARE(r.value(4).toString(), QStringLiteral("未领证"));
        QCOMPARE(r.value(5).toString(), QStringLiteral("2010-07-15"));
        QCOMPARE(r.value(6).toString(), QStringLiteral("2010-07-20"));
        QCOMPARE(r.value(7).toDouble(), 1200.0);
        QCOMPARE(r.value(8).toString(), QStringLiteral("北京"));
        QCOMPARE(receiptUse(t.db(), 100), QStringLiteral("证件王五"));
        QCOMPARE(enterLicence(t.db(), filled()).message, QStringLiteral("票据不可重复使用:证件王五"));
        QCOMPARE(rowsOf(t.db(), QStringLiteral("zhengjian")), 1);
    }

    // A card and a licence application on the same receipts from two copies of the program:
    // each receipt backs exactly one of them.
    void cardAndLicenceRace()
    {
        test::TempDb t;
        test::releaseCards(t.db(), 1, 10000);
        for (int r = 1; r <= 40; ++r)
            addReceipt(t.db(), r);
        const auto done = test::inTwoCopies<QList<bool>>(t.path(), [](Db &db, int copy) {
            QList<bool> ok;
            for (int r = 1; r <= 40; ++r) {
                if (copy == 0) {
                    CardInput card{QString::number(r), QString::number(r + 100), QStringLiteral("甲"), QStringLiteral("男"),
                                   QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("捷达"), {},
                                   QStringLiteral("2010-7-1"), QStringLiteral("1"), {}, QStringLiteral("1"),
                                   QStringLiteral("经办"), QStringLiteral("c"), {}, QStringLiteral("无证")};
                    ok << issueCard(db, timedCards(), card).done;
                } else {
                    ok << enterLicence(db, filled(QString::number(r))).done;
                }
            }
            return ok;
        });
        for (int r = 0; r < 40; ++r)
            QVERIFY(done[0][r] != done[1][r]);
        QCOMPARE(rowsOf(t.db(), QStringLiteral("card")) + rowsOf(t.db(), QStringLiteral("zhengjian")), 40);
    }

    // Without certificate types: the screen says so and every submission stops at the type.
    // With types: an empty type picks the first, still refuses, and the next 提交 goes on.
    void certificateTypeOnTheScreen()
    {
        test::TempDb t;
        addReceipt(t.db(), 100);
        test::MessageRecorder messages;
        registerScreens();
        MainWindow::setExitHandler([] {});
        Session::start(QStringLiteral("clerk"), QStringLiteral("录入员"));
        MainWindow w;
        QWidget *s = w.open(QStringLiteral("add_zhengjian"));
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("请完善数据，然后使用")});
        QCOMPARE(s->findChild<QComboBox *>(QStringLiteral("Combo1"))->count(), 0);
        QVERIFY(s->findChild<QLineEdit *>(QStringLiteral("luru"))->text().isEmpty());
        auto fill = [](QWidget *screen) {
            const LicenceInput in = filled();
            for (const auto &[name, value] :
                 {std::pair{"piaohao", in.piaohao}, std::pair{"xingming", in.xingming}, std::pair{"nianling", in.nianling},
                  std::pair{"shenfenzheng", in.shenfenzheng}, std::pair{"dangan", in.dangan},
                  std::pair{"baomingriqi", in.baomingriqi}, std::pair{"dianhua", in.dianhua},
                  std::pair{"jingban", in.jingban}, std::pair{"shenheren", in.shenheren},
                  std::pair{"shenheriqi", in.shenheriqi}, std::pair{"jine", in.jine}})
                screen->findChild<QLineEdit *>(QString::fromLatin1(name))->setText(value);
            screen->findChild<QPlainTextEdit *>(QStringLiteral("zhuzhi"))->setPlainText(in.zhuzhi);
            screen->findChild<QPlainTextEdit *>(QStringLiteral("beizhu"))->setPlainText(in.beizhu);
        };
        fill(s);
        s->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(messages.last().text, QStringLiteral("请选择证件"));
        w.closeAll();

        reference::add(t.db(), certificateTypes(), QStringLiteral("C1"), QStringLiteral("小车"));
        reference::add(t.db(), certificateTypes(), QStringLiteral("B2"), QStringLiteral("货车"));
        messages.clear();
        s = w.open(QStringLiteral("add_zhengjian"));
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(s->findChild<QLineEdit *>(QStringLiteral("luru"))->text(), QStringLiteral("clerk"));
        auto *types = s->findChild<QComboBox *>(QStringLiteral("Combo1"));
        QCOMPARE(types->currentText(), QString());
        fill(s);
        s->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(messages.last().text, QStringLiteral("请选择证件"));
        QCOMPARE(types->currentText(), QStringLiteral("C1"));
        s->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(messages.last().text, QStringLiteral("添加证件成功！"));
        QVERIFY(!w.find(QStringLiteral("add_zhengjian")));
        QCOMPARE(t.db().value(QStringLiteral("select zhengjian from zhengjian")).toString(), QStringLiteral("C1"));
    }
};

QTEST_MAIN(LicencesTest)
#include "test_licences.moc"
