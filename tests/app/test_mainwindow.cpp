#include "app/HelpKeyFilter.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/Screens.h"
#include "app/Session.h"
#include "data/Clock.h"
#include "support/MessageRecorder.h"
#include "support/TempDb.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QtTest>

using namespace quorv;

namespace {

// Stand-ins for screens that other parts of the program provide.
void registerStandIns()
{
    for (const char *name : {"yonghuguanli", "mima", "piaohaoshuru", "kahaoshuru", "chexingguanli",
                             "jiaolianguanli", "zhengjianguanli", "add_piaoju"}) {
        const QString n = QString::fromLatin1(name);
        ui::ScreenCatalog::add({n, ui::Placement::Child, [n] {
                                    auto *w = new QWidget;
                                    w->setObjectName(n);
                                    return w;
                                }});
    }
}

QStringList openChildren(MainWindow &w)
{
    QStringList names;
    for (QMdiSubWindow *frame : w.mdiArea()->subWindowList())
        names << frame->widget()->objectName();
    names.sort();
    return names;
}

void trigger(MainWindow &w, const char *action)
{
    auto *a = w.findChild<QAction *>(QString::fromUtf8(action));
    QVERIFY2(a, action);
    a->trigger();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        registerScreens();
        registerStandIns();
        qApp->installEventFilter(new HelpKeyFilter(qApp));
        MainWindow::setExitHandler([this] { ++m_exits; });
    }

    void init()
    {
        m_exits = 0;
        Session::start(QStringLiteral("boss"), QStringLiteral("经理"));
    }

    void cleanup()
    {
        Clock::useSystemTime();
        if (HelpWindow::current())
            delete HelpWindow::current();
    }

private:
    int m_exits = 0;

private Q_SLOTS:

    void menuTree()
    {
        test::TempDb t;
        MainWindow w;
        QCOMPARE(w.objectName(), QStringLiteral("MDIForm1"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorv软件"));
        const QStringList tops = {"xt", "yck", "yc", "zhj", "cxg", "pj", "zc", "jsb", "bz"};
        for (const QString &top : tops)
            QVERIFY2(w.findChild<QMenu *>(top), qPrintable(top));
        const struct {
            const char *name;
            const char *caption;
        } items[] = {{"yhgl", "用户管理"},     {"phgl", "票号管理"},     {"zhjgl", "证件管理"},
                     {"sjbf", "数据管理"},     {"tcxt", "退出系统"},     {"qjbhk", "添加保会卡"},
                     {"lsyc", "临时约车"},     {"dypcd", "生成派车单"},  {"cxgljs", "查询管理记事"},
                     {"gybrj", "关于本软件"},  {"关闭所有的子窗口", "关闭所有"}, {"退出程序", "退出"}};
        for (const auto &item : items) {
            auto *a = w.findChild<QAction *>(QString::fromUtf8(item.name));
            QVERIFY2(a, item.name);
            QCOMPARE(a->text(), QString::fromUtf8(item.caption));
        }
        // The last two are commands of the menu bar itself, not menus.
        QCOMPARE(w.menuBar()->actions().size(), 11);
        QVERIFY(!w.menuBar()->actions().constLast()->menu());
    }

    void statusBarShowsTheSession()
    {
        test::TempDb t;
        Session::start(QStringLiteral("  Li Si "), QStringLiteral(" 录入员 "));
        Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(9, 5, 0)));
        MainWindow w;
        QStatusBar *bar = w.findChild<QStatusBar *>(QStringLiteral("StatusBar1"));
        QVERIFY(bar);
        auto panel = [bar](int i) { return bar->findChild<QLabel *>(QStringLiteral("Panel%1").arg(i))->text(); };
        QCOMPARE(panel(1), QStringLiteral("2026-12-11"));
        QCOMPARE(panel(2), QStringLiteral("09:05:00"));
        QCOMPARE(panel(3), QStringLiteral("  Li Si "));
        QCOMPARE(panel(4), QStringLiteral("录入员"));
        QVERIFY(!panel(5).isEmpty());
    }

    void standardCommandLeavesOnlyTheNewScreen()
    {
        test::TempDb t;
        test::MessageRecorder messages;
        MainWindow w;
        w.open(QStringLiteral("huanying"));
        w.open(QStringLiteral("gybrjian"));
        w.open(QStringLiteral("如何使用"));
        QCOMPARE(openChildren(w).size(), 3);
        trigger(w, "tjpj");
        QCOMPARE(openChildren(w), QStringList{QStringLiteral("add_piaoju")});
        // Opening an open screen brings that one forward instead of a second copy.
        QCOMPARE(w.open(QStringLiteral("add_piaoju")), w.find(QStringLiteral("add_piaoju")));
        QCOMPARE(openChildren(w).size(), 1);
    }

    // Commands refused to a clerk show the message and leave every window where it was.
    void managerGates_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("children");
        QTest::addColumn<bool>("refused");
        const QStringList before = {QStringLiteral("gybrjian"), QStringLiteral("如何使用")};
        QTest::newRow("clerk, receipt ranges") << "录入员" << "phgl" << before << true;
        QTest::newRow("clerk, card ranges") << "录入员" << "khgl" << before << true;
        QTest::newRow("clerk, certificate types") << "录入人" << "zhjgl" << before << true;
        QTest::newRow("manager, receipt ranges") << "经理" << "phgl" << QStringList{"piaohaoshuru"} << false;
        QTest::newRow("manager, certificate types") << "经理" << "zhjgl" << QStringList{"zhengjianguanli"} << false;
        QTest::newRow("clerk, accounts: own password") << "录入员" << "yhgl" << QStringList{"mima"} << false;
        QTest::newRow("manager, accounts: the list") << "经理" << "yhgl" << QStringList{"yonghuguanli"} << false;
        QTest::newRow("clerk, vehicle models") << "录入员" << "cxgl" << QStringList{"chexingguanli"} << false;
        QStringList withCoaches = before;
        withCoaches << QStringLiteral("jiaolianguanli");
        withCoaches.sort();
        QTest::newRow("coaches keep the windows") << "录入员" << "jlgl" << withCoaches << false;
        QTest::newRow("version keeps the windows") << "录入员" << "xtbz" << before << false;
        QTest::newRow("a screen not built yet: nothing") << "经理" << "klcx" << before << false;
    }

    void managerGates()
    {
        QFETCH(QString, role);
        QFETCH(QString, action);
        QFETCH(QStringList, children);
        QFETCH(bool, refused);
        test::TempDb t;
        test::MessageRecorder messages;
        Session::start(QStringLiteral("someone"), role);
        MainWindow w;
        w.open(QStringLiteral("gybrjian"));
        w.open(QStringLiteral("如何使用"));
        trigger(w, action.toUtf8().constData());
        QCOMPARE(openChildren(w), children);
        if (refused) {
            QCOMPARE(messages.messages().size(), 1);
            QCOMPARE(messages.last().text, QStringLiteral("你无权操作，超过五次将记录你的名字！"));
            QCOMPARE(messages.last().icon, ui::Message::Icon::None);
            QCOMPARE(messages.last().title, QStringLiteral("Quorv汽车陪练软件"));
        } else {
            QVERIFY(messages.messages().isEmpty());
        }
    }

    void versionWindowIsItsOwnWindow()
    {
        test::TempDb t;
        MainWindow w;
        trigger(w, "xtbz");
        QWidget *version = w.find(QStringLiteral("rjbb"));
        QVERIFY(version && version->isWindow() && version->isVisible());
        QVERIFY(version->findChild<QLabel *>()->text().contains(QStringLiteral("3.1版本")));
    }

    void closeAllAndExits()
    {
        test::TempDb t;
        MainWindow w;
        w.open(QStringLiteral("gybrjian"));
        w.open(QStringLiteral("如何使用"));
        trigger(w, "关闭所有的子窗口");
        QVERIFY(openChildren(w).isEmpty());
        QCOMPARE(m_exits, 0);
        trigger(w, "tcxt");
        QCOMPARE(m_exits, 1);
        trigger(w, "退出程序");
        QCOMPARE(m_exits, 2);
        w.open(QStringLiteral("gybrjian"));
        w.close();
        QVERIFY(openChildren(w).isEmpty());
        QCOMPARE(m_exits, 3);
    }

    // A screen that closes itself leaves no empty frame behind.
    void screenClosingItself()
    {
        test::TempDb t;
        MainWindow w;
        QWidget *about = w.open(QStringLiteral("gybrjian"));
        ui::closeScreen(about);
        QVERIFY(openChildren(w).isEmpty());
        QVERIFY(!w.find(QStringLiteral("gybrjian")));
    }

    // F1 anywhere and "详细帮助" both open the manual at its start page.
    void helpKey()
    {
        test::TempDb t;
        MainWindow w;
        w.show();
        QWidget *howTo = w.open(QStringLiteral("如何使用"));
        QVERIFY(!HelpWindow::current());
        QTest::keyClick(howTo, Qt::Key_F1);
        QVERIFY(HelpWindow::current());
        QCOMPARE(HelpWindow::current()->objectName(), QStringLiteral("bangzhu"));
        QCOMPARE(HelpWindow::current()->currentPage(), QStringLiteral("index.html"));
        HelpWindow::current()->showPage(QStringLiteral("system.html"));
        HelpWindow::current()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!HelpWindow::current());

        howTo->setFocus();
        howTo->findChild<QPushButton *>(QStringLiteral("xx"))->click();
        QVERIFY(HelpWindow::current());
        QCOMPARE(HelpWindow::current()->currentPage(), QStringLiteral("index.html"));
        auto *browser = HelpWindow::current()->findChild<QTextBrowser *>(QStringLiteral("browser"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("票号管理")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
