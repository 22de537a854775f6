#include "admin/RangeKinds.h"
#include "admin/RangeRules.h"
#include "app/MainWindow.h"
#include "app/Screens.h"
#include "app/Session.h"
#include "data/Errors.h"
#include "support/MessageRecorder.h"
#include "support/TempDb.h"
#include "ui/DataGrid.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

using namespace quorv;
using Outcome = ranges::AddOutcome;

Q_DECLARE_METATYPE(ranges::AddOutcome)

namespace {

const RangeKind &kindNamed(const QString &table)
{
    return table == QStringLiteral("piaohao") ? receiptRanges() : cardRanges();
}

QList<QPair<qint64, qint64>> stored(Db &db, const QString &table)
{
    QList<QPair<qint64, qint64>> result;
    for (const auto &r : db.rows(QStringLiteral("select qsph, zzph from %1 order by id").arg(table)))
        result.append({r.value(0).toLongLong(), r.value(1).toLongLong()});
    return result;
}

bool visible(QWidget *screen)
{
    return screen && !screen->parentWidget()->isHidden();
}

} // namespace

class RangesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        registerScreens();
        MainWindow::setExitHandler([] {});
        Session::start(QStringLiteral("boss"), QStringLiteral("经理"));
    }

    // With 100–199 stored, each kind's outcome for a new range.
    void add_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<Outcome>("outcome");
        for (const char *table : {"piaohao", "kahao"}) {
            const QString t = QString::fromLatin1(table);
            auto row = [&](const char *name) -> QTestData & {
                return QTest::newRow(qPrintable(t + QStringLiteral(": ") + QString::fromUtf8(name))) << t;
            };
            row("start inside") << "150" << "250" << Outcome::Overlap;
            row("end on the stored start") << "50" << "100" << Outcome::Overlap;
            row("just after") << "200" << "299" << Outcome::Added;
            row("enclosing the stored range") << "50" << "300" << Outcome::Added;
            row("numbers compare as numbers") << "9" << "10" << Outcome::Added;
            row("blanks around") << " 300 " << " 400" << Outcome::Added;
            row("start above end") << "500" << "400" << Outcome::NotAscending;
            row("start empty") << "" << "400" << Outcome::Incomplete;
            row("end empty") << "300" << "" << Outcome::Incomplete;
            row("start blank") << "  " << "400" << Outcome::StartEmpty;
        }
        // The receipt screen asks the database first; the card screen tests the values first.
        QTest::newRow("piaohao: one number inside a range") << "piaohao" << "150" << "150" << Outcome::Overlap;
        QTest::newRow("kahao: one number inside a range") << "kahao" << "150" << "150" << Outcome::NotAscending;
        QTest::newRow("piaohao: one number elsewhere") << "piaohao" << "300" << "300" << Outcome::NotAscending;
    }

    void add()
    {
        QFETCH(QString, table);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(Outcome, outcome);
        test::TempDb t;
        const RangeKind &kind = kindNamed(table);
        QCOMPARE(ranges::add(t.db(), kind, QStringLiteral("100"), QStringLiteral("199")), Outcome::Added);
        QCOMPARE(ranges::add(t.db(), kind, start, end), outcome);
        QCOMPARE(stored(t.db(), table).size(), outcome == Outcome::Added ? 2 : 1);
    }

    // A value the column cannot hold is refused with the field's name and nothing is written.
    void badValuesWriteNothing()
    {
        test::TempDb t;
        QVERIFY_THROWS_EXCEPTION(InputError, ranges::add(t.db(), receiptRanges(), QStringLiteral("12.5"), QStringLiteral("20")));
        ranges::add(t.db(), cardRanges(), QStringLiteral("100"), QStringLiteral("199"));
        const qint64 id = t.db().value(QStringLiteral("select id from kahao")).toLongLong();
        try {
            ranges::change(t.db(), cardRanges(), id, QStringLiteral("120"), QStringLiteral("19x"));
            QFAIL("letters were accepted");
        } catch (const InputError &e) {
            QVERIFY(e.text().contains(QStringLiteral("结束号")));
        }
        QCOMPARE(stored(t.db(), QStringLiteral("kahao")), (QList<QPair<qint64, qint64>>{{100, 199}}));
        ranges::change(t.db(), cardRanges(), id, QString(), QStringLiteral("150"));
        QCOMPARE(stored(t.db(), QStringLiteral("kahao")), (QList<QPair<qint64, qint64>>{{100, 150}}));
        QCOMPARE(t.db().value(QStringLiteral("select typeof(zzph) from kahao")).toString(), QStringLiteral("integer"));
    }

    // The numbers-only boxes: a letter, a fraction, and deleting the last digit all warn; both
    // boxes are emptied and the cursor goes to the end box; the screen's own emptying is silent.
    void numberBoxes()
    {
        test::TempDb t;
        test::MessageRecorder messages;
        MainWindow w;
        QWidget *screen = w.open(QStringLiteral("piaohaoshuru"));
        auto *start = screen->findChild<QLineEdit *>(QStringLiteral("ksph"));
        auto *end = screen->findChild<QLineEdit *>(QStringLiteral("jsph"));
        end->setText(QStringLiteral("300"));
        QTest::keyClicks(start, QStringLiteral("12a"));
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("开始票号请输入数字！")});
        QCOMPARE(messages.last().title, QStringLiteral("错误提示"));
        QCOMPARE(messages.last().icon, ui::Message::Icon::Warning);
        QVERIFY(start->text().isEmpty() && end->text().isEmpty());
        QCOMPARE(screen->focusWidget(), end);

        messages.clear();
        QTest::keyClicks(end, QStringLiteral("12.5"));
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("结束票号请输入数字！")});
        messages.clear();
        QTest::keyClicks(end, QStringLiteral("7"));
        QTest::keyClick(end, Qt::Key_Backspace);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("结束票号请输入数字！")});

        messages.clear();
        start->setText(QStringLiteral("1"));
        end->setText(QStringLiteral("2"));
        screen->findChild<QPushButton *>(QStringLiteral("gengxin"))->click();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("更新成功！")});
        QVERIFY(start->text().isEmpty() && end->text().isEmpty());
    }

    // After a release the receipt list stays open with the boxes kept; the card list closes.
    void addOnTheScreens_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("receipt ranges") << "piaohaoshuru" << true;
        QTest::newRow("card ranges") << "kahaoshuru" << false;
    }

    void addOnTheScreens()
    {
        QFETCH(QString, screen);
        QFETCH(bool, staysOpen);
        test::TempDb t;
        test::MessageRecorder messages;
        MainWindow w;
        QWidget *list = w.open(screen);
        list->findChild<QLineEdit *>(QStringLiteral("ksph"))->setText(QStringLiteral("100"));
        list->findChild<QLineEdit *>(QStringLiteral("jsph"))->setText(QStringLiteral("199"));
        list->findChild<QPushButton *>(QStringLiteral("add"))->click();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("添加卡号成功！请点击更新")});
        QCOMPARE(messages.last().icon, ui::Message::Icon::None);
        QCOMPARE(messages.last().title, QString());
        QCOMPARE(w.find(screen) != nullptr, staysOpen);
        if (staysOpen) {
            QCOMPARE(list->findChild<ui::DataGrid *>(QStringLiteral("DataGrid1"))->rows(), 1);
            QCOMPARE(list->findChild<QLineEdit *>(QStringLiteral("jsph"))->text(), QStringLiteral("199"));
        }
    }

    // Deleting: the question, what an answer does, and the empty list.
    void deleting_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("withRow");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("receipt, yes") << "piaohaoshuru" << true << true << "真的删除票号100?;" << true << false;
        QTest::newRow("receipt, no: closes anyway") << "piaohaoshuru" << true << false << "真的删除票号100?;" << false << false;
        QTest::newRow("receipt, empty list") << "piaohaoshuru" << false << true << "还没有任何数据，请返回" << false << false;
        QTest::newRow("card, yes") << "kahaoshuru" << true << true << "真的删除卡号100?;注意：删除不能恢复" << true << false;
        QTest::newRow("card, no: stays") << "kahaoshuru" << true << false << "真的删除卡号100?;注意：删除不能恢复" << false << true;
        QTest::newRow("card, empty list") << "kahaoshuru" << false << true << "还没有数据" << false << true;
    }

    void deleting()
    {
        QFETCH(QString, screen);
        QFETCH(bool, withRow);
        QFETCH(bool, yes);
        QFETCH(QString, said);
        QFETCH(bool, deleted);
        QFETCH(bool, staysOpen);
        test::TempDb t;
        const RangeKind &kind = screen == QStringLiteral("piaohaoshuru") ? receiptRanges() : cardRanges();
        if (withRow)
            ranges::add(t.db(), kind, QStringLiteral("100"), QStringLiteral("199"));
        test::MessageRecorder messages;
        messages.answer(yes);
        MainWindow w;
        QWidget *list = w.open(screen);
        list->findChild<QPushButton *>(QStringLiteral("del"))->click();
        QCOMPARE(messages.texts(), QStringList{said});
        if (withRow) {
            QCOMPARE(messages.last().title, QStringLiteral("信息提示"));
            QVERIFY(messages.last().yesNo);
        }
        QCOMPARE(stored(t.db(), kind.table).isEmpty(), deleted || !withRow);
        QCOMPARE(w.find(screen) != nullptr, staysOpen);
    }

    // Editing: the list hides, the edit screen shows the row; a bad value writes nothing; a save
    // brings the list back with the change; "返回" brings it back as it was.
    void editing()
    {
        test::TempDb t;
        ranges::add(t.db(), receiptRanges(), QStringLiteral("100"), QStringLiteral("199"));
        ranges::add(t.db(), cardRanges(), QStringLiteral("500"), QStringLiteral("599"));
        test::MessageRecorder messages;
        MainWindow w;

        QWidget *list = w.open(QStringLiteral("piaohaoshuru"));
        list->findChild<QPushButton *>(QStringLiteral("edit"))->click();
        QWidget *edit = w.find(QStringLiteral("xgpiaohao"));
        QVERIFY(edit && !visible(list));
        QCOMPARE(edit->windowTitle(), QStringLiteral("票号修改"));
        auto *end = edit->findChild<QLineEdit *>(QStringLiteral("zzph"));
        QCOMPARE(edit->findChild<QLineEdit *>(QStringLiteral("qsph"))->text(), QStringLiteral("100"));
        QCOMPARE(end->text(), QStringLiteral("199"));
        end->setText(QStringLiteral("two hundred"));
        edit->findChild<QPushButton *>(QStringLiteral("Cmdok"))->click();
        QVERIFY(messages.last().text.contains(QStringLiteral("终止票号")));
        QCOMPARE(stored(t.db(), QStringLiteral("piaohao")), (QList<QPair<qint64, qint64>>{{100, 199}}));
        QVERIFY(w.find(QStringLiteral("xgpiaohao")));
        end->setText(QStringLiteral("299"));
        edit->findChild<QPushButton *>(QStringLiteral("Cmdok"))->click();
        QCOMPARE(messages.last().text, QStringLiteral("修改完成！"));
        QCOMPARE(messages.last().title, QStringLiteral("Quorv汽车陪练软件"));
        QVERIFY(!w.find(QStringLiteral("xgpiaohao")));
        QVERIFY(visible(list));
        QCOMPARE(list->findChild<ui::DataGrid *>(QStringLiteral("DataGrid1"))->currentRecord().value(QStringLiteral("zzph")).toInt(), 299);

        QWidget *cards = w.open(QStringLiteral("kahaoshuru"));
        cards->findChild<QPushButton *>(QStringLiteral("edit"))->click();
        QWidget *cardEdit = w.find(QStringLiteral("xgkahao"));
        QCOMPARE(cardEdit->windowTitle(), QStringLiteral("原来卡号"));
        QCOMPARE(cardEdit->findChild<QLineEdit *>(QStringLiteral("Text1_0"))->text(), QStringLiteral("500"));
        QCOMPARE(cardEdit->findChild<QLineEdit *>(QStringLiteral("Text1_1"))->text(), QStringLiteral("599"));
        QVERIFY(cardEdit->findChild<QLineEdit *>(QStringLiteral("Text1_2"))->text().isEmpty());
        cardEdit->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        QVERIFY(visible(cards));
        QCOMPARE(cards->findChild<ui::DataGrid *>(QStringLiteral("DataGrid1"))->rows(), 1);
        QCOMPARE(stored(t.db(), QStringLiteral("kahao")), (QList<QPair<qint64, qint64>>{{500, 599}}));
    }
};

QTEST_MAIN(RangesTest)
#include "test_ranges.moc"
