#include "app/MainWindow.h"
#include "app/Screens.h"
#include "app/Session.h"
#include "reference/ReferenceKinds.h"
#include "reference/ReferenceRules.h"
#include "support/MessageRecorder.h"
#include "support/TempDb.h"
#include "ui/DataGrid.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

using namespace quorv;

namespace {

const ReferenceKind &kindOf(const QString &table)
{
    if (table == QStringLiteral("chexing"))
        return vehicleModels();
    return table == QStringLiteral("jiaolian") ? coaches() : certificateTypes();
}

QStringList entries(Db &db, const QString &table)
{
    QStringList result;
    for (const auto &r : db.rows(QStringLiteral("select %1, beizhu from %1 order by id").arg(table)))
        result << r.value(0).toString() + QLatin1Char('|') + r.value(1).toString();
    return result;
}

void click(QWidget *screen, const QString &button)
{
    auto *b = screen->findChild<QPushButton *>(button);
    QVERIFY2(b, qPrintable(button));
    b->click();
}

QLineEdit *box(QWidget *screen, const char *name)
{
    return screen->findChild<QLineEdit *>(QString::fromLatin1(name));
}

} // namespace

class ReferenceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        registerScreens();
        MainWindow::setExitHandler([] {});
        Session::start(QStringLiteral("boss"), QStringLiteral("经理"));
    }

    void kinds_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("vehicle models") << "chexing";
        QTest::newRow("coaches") << "jiaolian";
        QTest::newRow("certificate types") << "zj";
    }

    // Adding: blanks-only values are refused in order, values are stored trimmed, a name may be
    // added twice, the screen closes after the message.
    void adding_data() { kinds_data(); }
    void adding()
    {
        QFETCH(QString, table);
        const ReferenceKind &kind = kindOf(table);
        test::TempDb t;
        test::MessageRecorder messages;
        MainWindow w;
        QWidget *list = w.open(kind.listScreen);
        QCOMPARE(list->windowTitle(), kind.listCaption);
        box(list, "Text1_0")->setText(QStringLiteral("   "));
        box(list, "Text1_1")->setText(QStringLiteral("   "));
        click(list, kind.addButton);
        QCOMPARE(messages.last().text, kind.emptyNameMessage);
        QCOMPARE(messages.last().icon, ui::Message::Icon::Warning);
        QCOMPARE(list->focusWidget(), box(list, "Text1_0"));
        box(list, "Text1_0")->setText(QStringLiteral(" 桑塔纳 "));
        click(list, kind.addButton);
        QCOMPARE(messages.last().text, QStringLiteral("备注不能为空"));
        QCOMPARE(list->focusWidget(), box(list, "Text1_1"));
        box(list, "Text1_1")->setText(QStringLiteral(" 手动挡"));
        click(list, kind.addButton);
        QCOMPARE(messages.last().text, kind.addedMessage);
        QCOMPARE(messages.last().title, QStringLiteral("Quorv汽车陪练软件"));
        QVERIFY(!w.find(kind.listScreen));
        QVERIFY(reference::add(t.db(), kind, QStringLiteral("桑塔纳"), QStringLiteral("again")) == reference::AddOutcome::Added);
        QCOMPARE(entries(t.db(), table), (QStringList{QStringLiteral("桑塔纳|手动挡"), QStringLiteral("桑塔纳|again")}));
        QCOMPARE(reference::names(t.db(), kind), (QStringList{QStringLiteral("桑塔纳"), QStringLiteral("桑塔纳")}));
    }

    // Deleting: entry 1 survives a Yes; another entry goes; No deletes nothing; the screen
    // closes whatever the answer; an empty list only says so.
    void deleting_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("left");
        QTest::newRow("model 1, yes") << "chexing" << 0 << true << "真的删除车型A?" << 2;
        QTest::newRow("model 2, yes") << "chexing" << 1 << true << "真的删除车型B?" << 1;
        QTest::newRow("model 2, no") << "chexing" << 1 << false << "真的删除车型B?" << 2;
        QTest::newRow("coach 1, yes") << "jiaolian" << 0 << true << "真的删除教练A?;注意：不能删除第一个人" << 2;
        QTest::newRow("certificate 2, yes") << "zj" << 1 << true << "真的删除证件：B?;注意：不能删除的一个也没有了" << 1;
    }

    void deleting()
    {
        QFETCH(QString, table);
        QFETCH(int, row);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(int, left);
        const ReferenceKind &kind = kindOf(table);
        test::TempDb t;
        reference::add(t.db(), kind, QStringLiteral("A"), QStringLiteral("a"));
        reference::add(t.db(), kind, QStringLiteral("B"), QStringLiteral("b"));
        test::MessageRecorder messages;
        messages.answer(yes);
        MainWindow w;
        QWidget *list = w.open(kind.listScreen);
        list->findChild<ui::DataGrid *>(QStringLiteral("DataGrid1"))->setCurrentRow(row);
        click(list, kind.deleteButton);
        QCOMPARE(messages.texts(), QStringList{question});
        QCOMPARE(messages.last().title, QStringLiteral("信息提示"));
        QCOMPARE(entries(t.db(), table).size(), left);
        QVERIFY(!w.find(kind.listScreen));
    }

    void emptyList_data() { kinds_data(); }
    void emptyList()
    {
        QFETCH(QString, table);
        const ReferenceKind &kind = kindOf(table);
        test::TempDb t;
        test::MessageRecorder messages;
        MainWindow w;
        QWidget *list = w.open(kind.listScreen);
        click(list, kind.editButton);
        click(list, kind.deleteButton);
        QCOMPARE(messages.texts(), (QStringList{QStringLiteral("还没有数据"), QStringLiteral("还没有数据")}));
        QVERIFY(w.find(kind.listScreen));
        QVERIFY(!w.find(kind.editScreen));
    }

    // Editing: the row is handed over; an empty box keeps its column; a remark of blanks is
    // written as blanks; names are written as typed.
    void editing_data() { kinds_data(); }
    void editing()
    {
        QFETCH(QString, table);
        const ReferenceKind &kind = kindOf(table);
        test::TempDb t;
        reference::add(t.db(), kind, QStringLiteral("A"), QStringLiteral("a"));
        reference::add(t.db(), kind, QStringLiteral("B"), QStringLiteral("b"));
        test::MessageRecorder messages;
        MainWindow w;
        QWidget *list = w.open(kind.listScreen);
        list->findChild<ui::DataGrid *>(QStringLiteral("DataGrid1"))->setCurrentRow(1);
        click(list, kind.editButton);
        QWidget *edit = w.find(kind.editScreen);
        QVERIFY(edit);
        QCOMPARE(edit->windowTitle(), kind.editCaption);
        QCOMPARE(box(edit, "Text1_0")->text(), QStringLiteral("B"));
        QCOMPARE(box(edit, "Text1_1")->text(), QStringLiteral("b"));
        QWidget *stillThere = w.find(kind.listScreen);
        QCOMPARE(stillThere != nullptr, kind.hideOnEdit);
        if (stillThere)
            QVERIFY(stillThere->parentWidget()->isHidden());

        QLineEdit *name = box(edit, kind.twoFrames ? "Text1_2" : "Text1_0");
        QLineEdit *remark = box(edit, kind.twoFrames ? "Text1_3" : "Text1_1");
        name->setText(QString());
        remark->setText(QStringLiteral("  "));
        click(edit, QStringLiteral("Command1"));
        QCOMPARE(messages.last().text, QStringLiteral("修改完成！"));
        QVERIFY(!w.find(kind.editScreen));
        QCOMPARE(entries(t.db(), table), (QStringList{QStringLiteral("A|a"), QStringLiteral("B|  ")}));
        reference::change(t.db(), kind, 2, QStringLiteral(" C "), QString());
        QCOMPARE(entries(t.db(), table).last(), QStringLiteral(" C |  "));
    }

    // The certificate list hides on 修改 and comes back as it was when opened again; 更新 re-reads.
    void hiddenCertificateList()
    {
        test::TempDb t;
        reference::add(t.db(), certificateTypes(), QStringLiteral("C1"), QStringLiteral("小车"));
        test::MessageRecorder messages;
        Session::start(QStringLiteral("boss"), QStringLiteral("经理"));
        MainWindow w;
        QWidget *list = w.open(QStringLiteral("zhengjianguanli"));
        click(list, QStringLiteral("edit"));
        reference::add(t.db(), certificateTypes(), QStringLiteral("B2"), QStringLiteral("货车"));
        w.findChild<QAction *>(QStringLiteral("zhjgl"))->trigger();
        QCOMPARE(w.find(QStringLiteral("zhengjianguanli")), list);
        QVERIFY(!list->parentWidget()->isHidden());
        auto *grid = list->findChild<ui::DataGrid *>(QStringLiteral("DataGrid1"));
        QCOMPARE(grid->rows(), 1);
        click(list, QStringLiteral("gengxin"));
        QCOMPARE(grid->rows(), 2);
        QCOMPARE(messages.last().text, QStringLiteral("更新成功！"));
    }
};

QTEST_MAIN(ReferenceTest)
#include "test_reference.moc"
