#include "app/LoginRules.h"
#include "app/MainWindow.h"
#include "app/Screens.h"
#include "app/Session.h"
#include "data/PasswordDigest.h"
#include "support/MessageRecorder.h"
#include "support/TempDb.h"
#include "ui/DataGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace quorv;
using Icon = ui::Message::Icon;

namespace {

template <class T>
T *control(QWidget *screen, const QString &name)
{
    auto *w = screen ? screen->findChild<T *>(name) : nullptr;
    if (!w)
        qFatal("control %s not found", qPrintable(name));
    return w;
}

QLineEdit *box(QWidget *screen, const char *name)
{
    return control<QLineEdit>(screen, QString::fromLatin1(name));
}

QComboBox *roleBox(QWidget *screen)
{
    return control<QComboBox>(screen, QStringLiteral("Combo1"));
}

void press(QWidget *screen, const char *name)
{
    control<QPushButton>(screen, QString::fromLatin1(name))->click();
}

// The text of a box or of the role box's edit field.
QString textOf(QWidget *screen, const QString &name)
{
    if (auto *combo = screen->findChild<QComboBox *>(name))
        return combo->currentText();
    return control<QLineEdit>(screen, name)->text();
}

bool hasFocus(QWidget *screen, const QString &name)
{
    QWidget *expected = control<QWidget>(screen, name);
    QWidget *focus = screen->focusWidget();
    return focus && (focus == expected || expected->isAncestorOf(focus));
}

QSqlRecord account(Db &db, qint64 id)
{
    const auto rows = db.rows(QStringLiteral("select * from admin where id = ?"), {id});
    return rows.isEmpty() ? QSqlRecord() : rows.first();
}

int accounts(Db &db)
{
    return db.value(QStringLiteral("select count(*) from admin")).toInt();
}

// Logs in as the login screen would; -1 refused, 0 clerk rights, 1 manager rights. The session
// of the test is kept.
int loginRights(Db &db, const QString &name, const QString &password)
{
    const QString user = Session::user();
    const QString role = Session::role();
    const bool ok = LoginRules(db).submit(name, password) == LoginRules::Outcome::Success;
    const int rights = ok ? (Session::isManager() ? 1 : 0) : -1;
    Session::start(user, role);
    return rights;
}

void selectAccount(QWidget *list, qint64 id)
{
    auto *grid = control<ui::DataGrid>(list, QStringLiteral("DataGrid1"));
    for (int row = 0; row < grid->rows(); ++row) {
        grid->setCurrentRow(row);
        if (grid->currentRecord().value(QStringLiteral("id")).toLongLong() == id)
            return;
    }
    qFatal("account %lld not in the list", id);
}

} // namespace

class AccountsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        registerScreens();
        MainWindow::setExitHandler([] {});
    }

    void init() { Session::start(QStringLiteral("Boss"), QStringLiteral("经理")); }

    // Captions, controls, labels and role lists as users and tools find them.
    void screens_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("buttons"); // objectName=caption
        QTest::addColumn<QStringList>("boxes");   // a leading * marks a box that shows "*"
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("roles");
        QTest::newRow("user list") << "yonghuguanli" << "用户管理"
                                   << QStringList{"add=添加", "edit=修改", "del=删除", "gengxin=更新"} << QStringList{}
                                   << QStringList{} << QStringList{};
        QTest::newRow("add") << "add_admin" << "添加用户" << QStringList{"Command1=确定", "Command2=取消"}
                             << QStringList{"Text1", "*Text2", "*Text3"}
                             << QStringList{"输入用户名", "输入密码", "确认密码", "选择权限"}
                             << QStringList{"录入员", "经理"};
        QTest::newRow("edit") << "yhxg" << "用户管理修改" << QStringList{"Cmdok=确定", "Command2=取消"}
                              << QStringList{"username", "*txtpwd", "*txtpwd2", "id"}
                              << QStringList{"输入用户名", "输入密码", "确认密码", "选择权限", "不修改请留空"}
                              << QStringList{"经理", "录入人"};
        QTest::newRow("password") << "mima" << "密码修改" << QStringList{"cmdok=确定", "Command2=取消"}
                                  << QStringList{"Text3", "*Text1", "*Text2"}
                                  << QStringList{"原密码：", "输入新密码：", "确认新密码：", "不修改请留空"}
                                  << QStringList{};
    }

    void screens()
    {
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, roles);
        test::TempDb t;
        MainWindow w;
        QWidget *s = w.open(screen);
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), caption);
        QVERIFY(s->findChild<QWidget *>(QStringLiteral("Image1")));
        for (const QString &b : buttons) {
            const QStringList parts = b.split(QLatin1Char('='));
            QCOMPARE(control<QPushButton>(s, parts[0])->text(), parts[1]);
        }
        for (QString b : boxes) {
            const bool masked = b.startsWith(QLatin1Char('*'));
            b.remove(QLatin1Char('*'));
            QCOMPARE(control<QLineEdit>(s, b)->echoMode() == QLineEdit::Password, masked);
        }
        QStringList shown;
        for (QLabel *l : s->findChildren<QLabel *>())
            shown << l->text();
        for (const QString &l : labels)
            QVERIFY2(shown.contains(l), qPrintable(l));
        if (!roles.isEmpty()) {
            QComboBox *combo = roleBox(s);
            QVERIFY(combo->isEditable());
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            QCOMPARE(items, roles);
            // The add screen starts on "录入员"; the edit screen starts empty.
            QCOMPARE(combo->currentText(), screen == QStringLiteral("add_admin") ? roles.first() : QString());
        }
        if (screen == QStringLiteral("yonghuguanli")) {
            auto *grid = control<ui::DataGrid>(s, QStringLiteral("DataGrid1"));
            QStringList captions;
            for (int c = 0; c < grid->model()->columnCount(); ++c)
                captions << grid->model()->headerData(c, Qt::Horizontal).toString();
            QCOMPARE(captions, (QStringList{"密码", "级别", "添加时间", "LastLogintime", "userkey", "id", "用户名"}));
        }
    }

    // Each test of "确定" in its order, with the message, the focus and the boxes it empties.
    void addUser_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<int>("userkey");   // of the new account; 0 when none is added
        QTest::addColumn<int>("rights");    // at login with the new account
        const QStringList all{"Text1", "Text2", "Text3", "Combo1"};
        QTest::newRow("empty name comes first") << "  " << "a" << "b" << "管理员" << "用户名不能为空" << "Text1"
                                                << QStringList{} << 0 << -1;
        QTest::newRow("exact name taken") << "clerk" << "a" << "b" << "管理员" << "已有这个用户" << "Text1" << all << 0
                                          << -1;
        QTest::newRow("taken name with blanks") << " clerk " << "a" << "a" << "录入员" << "已有这个用户" << "Text1"
                                                << all << 0 << -1;
        QTest::newRow("passwords differ") << "Zhao" << "a" << "b" << "管理员" << "两次密码不一致" << "Text2"
                                          << QStringList{"Text2", "Text3"} << 0 << -1;
        QTest::newRow("role not offered") << "Zhao" << "a" << " a" << "管理员" << "请选择正确的用户权限" << "Combo1"
                                          << QStringList{"Combo1"} << 0 << -1;
        QTest::newRow("role empty") << "Zhao" << "a" << "a" << "" << "请选择正确的用户权限" << "Combo1"
                                    << QStringList{"Combo1"} << 0 << -1;
        QTest::newRow("name differs in letter case") << "Clerk" << "pw" << "pw" << "录入员" << "添加用户成功" << ""
                                                     << QStringList{} << 8 << 0;
        QTest::newRow("manager typed with a space") << "Zhao" << "pw" << "pw" << "经理 " << "添加用户成功" << ""
                                                    << QStringList{} << 10 << 1;
    }

    void addUser()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, role);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QStringList, emptied);
        QFETCH(int, userkey);
        QFETCH(int, rights);
        test::TempDb t;
        t.addUser(QStringLiteral("Boss"), QStringLiteral("pw"), QStringLiteral("经理"));
        t.addUser(QStringLiteral("clerk"), QStringLiteral("pw"), QStringLiteral("录入员"));
        test::MessageRecorder messages;
        MainWindow w;
        w.show();
        QWidget *s = w.open(QStringLiteral("add_admin"));
        box(s, "Text1")->setText(name);
        box(s, "Text2")->setText(password);
        box(s, "Text3")->setText(confirmation);
        roleBox(s)->setEditText(role);
        // Return in the last field (the combo box has the focus, not its edit line) presses "确定".
        QTest::keyClick(roleBox(s), Qt::Key_Return);

        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(messages.last().icon, Icon::Warning);
        QCOMPARE(messages.last().title, QString());
        if (userkey == 0) {
            QCOMPARE(accounts(t.db()), 2);
            QCOMPARE(w.find(QStringLiteral("add_admin")), s);
            QVERIFY2(hasFocus(s, focus), qPrintable(focus));
            const QStringList typed{name, password, confirmation, role};
            const QStringList names{"Text1", "Text2", "Text3", "Combo1"};
            for (int i = 0; i < names.size(); ++i)
                QCOMPARE(textOf(s, names[i]), emptied.contains(names[i]) ? QString() : typed[i]);
            QCOMPARE(roleBox(s)->count(), 2);
            return;
        }
        // Stored as typed; the screen closes and the list is not reopened.
        const QSqlRecord added = account(t.db(), 3);
        QCOMPARE(added.value(QStringLiteral("admin")).toString(), name);
        QCOMPARE(added.value(QStringLiteral("password")).toString(), passwordDigest(password));
        QCOMPARE(added.value(QStringLiteral("jb")).toString(), role);
        QCOMPARE(added.value(QStringLiteral("userkey")).toInt(), userkey);
        QVERIFY(!w.find(QStringLiteral("add_admin")));
        QVERIFY(!w.find(QStringLiteral("yonghuguanli")));
        QCOMPARE(loginRights(t.db(), name, password), rights);
    }

    // "添加" puts the add screen in the list's place; "取消" brings the list back with fresh rows.
    void addScreenReplacesTheList()
    {
        test::TempDb t;
        t.addUser(QStringLiteral("Boss"), QStringLiteral("pw"), QStringLiteral("经理"));
        MainWindow w;
        press(w.open(QStringLiteral("yonghuguanli")), "add");
        QVERIFY(!w.find(QStringLiteral("yonghuguanli")));
        QWidget *add = w.find(QStringLiteral("add_admin"));
        QVERIFY(add);
        t.addUser(QStringLiteral("clerk"), QStringLiteral("pw"), QStringLiteral("录入员"));
        press(add, "Command2");
        QVERIFY(!w.find(QStringLiteral("add_admin")));
        QWidget *list = w.find(QStringLiteral("yonghuguanli"));
        QVERIFY(list);
        QCOMPARE(control<ui::DataGrid>(list, QStringLiteral("DataGrid1"))->rows(), 2);
    }

    // The first account stays whatever the answer; any other goes at once and the next row
    // becomes current.
    void deleteAccount_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QList<qint64>>("left");
        QTest::addColumn<qint64>("current");
        QTest::newRow("first account, yes") << qint64(1) << true << "真的删除用户Boss?;注意：不能删除第一个人"
                                            << QList<qint64>{1, 2, 3} << qint64(1);
        QTest::newRow("other account, yes") << qint64(2) << true << "真的删除用户clerk?;注意：不能删除第一个人"
                                            << QList<qint64>{1, 3} << qint64(3);
        QTest::newRow("other account, no") << qint64(2) << false << "真的删除用户clerk?;注意：不能删除第一个人"
                                           << QList<qint64>{1, 2, 3} << qint64(2);
        QTest::newRow("last row, yes") << qint64(3) << true << "真的删除用户Wang?;注意：不能删除第一个人"
                                       << QList<qint64>{1, 2} << qint64(2);
    }

    void deleteAccount()
    {
        QFETCH(qint64, id);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(QList<qint64>, left);
        QFETCH(qint64, current);
        test::TempDb t;
        t.addUser(QStringLiteral("Boss"), QStringLiteral("pw"), QStringLiteral("经理"));
        t.addUser(QStringLiteral("clerk"), QStringLiteral("pw"), QStringLiteral("录入员"));
        t.addUser(QStringLiteral("Wang"), QStringLiteral("pw"), QStringLiteral("录入员"));
        test::MessageRecorder messages;
        messages.answer(yes);
        MainWindow w;
        QWidget *list = w.open(QStringLiteral("yonghuguanli"));
        selectAccount(list, id);
        press(list, "del");

        QCOMPARE(messages.texts(), QStringList{question});
        QCOMPARE(messages.last().icon, Icon::None);
        QCOMPARE(messages.last().title, QStringLiteral("信息提示"));
        QVERIFY(messages.last().yesNo);
        QList<qint64> stored;
        for (const auto &r : t.db().rows(QStringLiteral("select id from admin order by id")))
            stored << r.value(0).toLongLong();
        QCOMPARE(stored, left);
        auto *grid = control<ui::DataGrid>(list, QStringLiteral("DataGrid1"));
        QCOMPARE(grid->rows(), int(left.size()));
        QCOMPARE(grid->currentRecord().value(QStringLiteral("id")).toLongLong(), current);
    }

    void emptyList()
    {
        test::TempDb t;
        test::MessageRecorder messages;
        MainWindow w;
        QWidget *list = w.open(QStringLiteral("yonghuguanli"));
        QVERIFY(!control<QPushButton>(list, QStringLiteral("gengxin"))->isEnabled());
        press(list, "edit");
        press(list, "del");
        QCOMPARE(messages.texts(), (QStringList{"还没有数据", "还没有数据"}));
        QCOMPARE(messages.last().icon, Icon::Warning);
        QVERIFY(!w.find(QStringLiteral("yhxg")));
    }

    // The edit screen opens on the selected row over the list; the list shows the change only
    // after "更新".
    void editFromTheList()
    {
        test::TempDb t;
        t.addUser(QStringLiteral("Boss"), QStringLiteral("pw"), QStringLiteral("经理"));
        t.addUser(QStringLiteral("clerk"), QStringLiteral("pw"), QStringLiteral("录入员"));
        test::MessageRecorder messages;
        MainWindow w;
        QWidget *list = w.open(QStringLiteral("yonghuguanli"));
        auto *grid = control<ui::DataGrid>(list, QStringLiteral("DataGrid1"));
        selectAccount(list, 2);
        press(list, "edit");
        QWidget *edit = w.find(QStringLiteral("yhxg"));
        QVERIFY(edit);
        QCOMPARE(w.find(QStringLiteral("yonghuguanli")), list);
        QCOMPARE(box(edit, "username")->text(), QStringLiteral("clerk"));
        QCOMPARE(box(edit, "id")->text(), QStringLiteral("2"));

        box(edit, "username")->setText(QStringLiteral("Clerk Two"));
        press(edit, "Cmdok");
        QCOMPARE(messages.texts(), QStringList{"修改完成！"});
        QVERIFY(!w.find(QStringLiteral("yhxg")));
        QCOMPARE(grid->currentRecord().value(QStringLiteral("admin")).toString(), QStringLiteral("clerk"));

        press(list, "gengxin");
        QCOMPARE(messages.last().text, QStringLiteral("更新成功！"));
        QCOMPARE(messages.last().icon, Icon::Warning);
        selectAccount(list, 2);
        QCOMPARE(grid->currentRecord().value(QStringLiteral("admin")).toString(), QStringLiteral("Clerk Two"));
    }

    // The clerk "clerk" (password "old", "录入员", userkey 8) edited on the edit screen.
    void editUser_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("role");
        QTest::addColumn<bool>("goneMeanwhile");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("loginPassword");
        QTest::addColumn<QString>("storedRole");
        QTest::addColumn<int>("rights");
        QTest::newRow("passwords compare exactly") << "Zhao" << "a" << "a " << "经理" << false << "两次输入口令不一致!"
                                                   << "clerk" << "old" << "录入员" << 0;
        QTest::newRow("only the name") << "Clerk Two" << "" << "" << "" << false << "修改完成！" << "Clerk Two" << "old"
                                       << "录入员" << 0;
        QTest::newRow("new password, 录入人 kept as typed") << "clerk" << "new" << "new" << "录入人" << false
                                                            << "修改完成！" << "clerk" << "new" << "录入人" << 0;
        QTest::newRow("manager role") << "clerk" << "" << "" << "经理" << false << "修改完成！" << "clerk" << "old"
                                      << "经理" << 1;
        QTest::newRow("any role text is taken") << "clerk" << "" << "" << "司机" << false << "修改完成！" << "clerk"
                                                << "old" << "司机" << 0;
        QTest::newRow("account deleted meanwhile") << "Zhao" << "new" << "new" << "经理" << true
                                                   << "这个账号已经不存在，没有修改。" << "" << "" << "" << -1;
    }

    void editUser()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, role);
        QFETCH(bool, goneMeanwhile);
        QFETCH(QString, message);
        QFETCH(QString, storedName);
        QFETCH(QString, loginPassword);
        QFETCH(QString, storedRole);
        QFETCH(int, rights);
        test::TempDb t;
        t.addUser(QStringLiteral("Boss"), QStringLiteral("pw"), QStringLiteral("经理"));
        t.addUser(QStringLiteral("clerk"), QStringLiteral("old"), QStringLiteral("录入员"));
        test::MessageRecorder messages;
        MainWindow w;
        QWidget *list = w.open(QStringLiteral("yonghuguanli"));
        selectAccount(list, 2);
        press(list, "edit");
        QWidget *edit = w.find(QStringLiteral("yhxg"));
        box(edit, "username")->setText(name);
        box(edit, "txtpwd")->setText(password);
        box(edit, "txtpwd2")->setText(confirmation);
        roleBox(edit)->setEditText(role);
        if (goneMeanwhile)
            t.db().remove(QStringLiteral("admin"), 2);
        press(edit, "Cmdok");

        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(messages.last().icon, Icon::None);
        QCOMPARE(messages.last().title, ui::kAppTitle);
        QCOMPARE(bool(w.find(QStringLiteral("yhxg"))), message != QStringLiteral("修改完成！"));
        const QSqlRecord stored = account(t.db(), 2);
        if (goneMeanwhile) {
            QVERIFY(stored.isEmpty());
            QCOMPARE(accounts(t.db()), 1);
            return;
        }
        QCOMPARE(stored.value(QStringLiteral("admin")).toString(), storedName);
        QCOMPARE(stored.value(QStringLiteral("jb")).toString(), storedRole);
        QCOMPARE(stored.value(QStringLiteral("userkey")).toInt(), 8);
        QCOMPARE(loginRights(t.db(), storedName, loginPassword), rights);
    }

    // Accounts: 1 "boss" (pw), 2 "li" (a), 3 "Li" (b); the session's name as typed at login.
    void changePassword_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QStringList>("passwords"); // of accounts 1 to 3 afterwards
        const QStringList before{"pw", "a", "b"};
        QTest::newRow("confirmation checked first") << "boss" << "wrong" << "x" << "x " << "两次输入口令不一致!" << false
                                                    << before;
        QTest::newRow("wrong old password") << "boss" << "wrong" << "x" << "x" << "原口令错误！" << false << before;
        QTest::newRow("old password as typed") << "boss" << " pw" << "x" << "x" << "原口令错误！" << false << before;
        QTest::newRow("no new password") << "boss" << "pw" << "" << "" << "未修改，直接退出！" << true << before;
        QTest::newRow("changed") << "boss" << "pw" << "new" << "new" << "口令修改完成！" << true
                                 << QStringList{"new", "a", "b"};
        QTest::newRow("logged in with blanks and other case") << " Boss " << "pw" << "new" << "new" << "口令修改完成！"
                                                              << true << QStringList{"new", "a", "b"};
        QTest::newRow("names differing in case: the own account") << "Li" << "b" << "new" << "new" << "口令修改完成！"
                                                                  << true << QStringList{"pw", "a", "new"};
        QTest::newRow("account deleted meanwhile") << "ghost" << "pw" << "new" << "new"
                                                   << "你的账号已经不存在，密码没有修改。" << false << before;
    }

    void changePassword()
    {
        QFETCH(QString, user);
        QFETCH(QString, old);
        QFETCH(QString, fresh);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        QFETCH(bool, closes);
        QFETCH(QStringList, passwords);
        test::TempDb t;
        t.addUser(QStringLiteral("boss"), QStringLiteral("pw"), QStringLiteral("录入员"));
        t.addUser(QStringLiteral("li"), QStringLiteral("a"), QStringLiteral("录入员"));
        t.addUser(QStringLiteral("Li"), QStringLiteral("b"), QStringLiteral("录入员"));
        Session::start(user, QStringLiteral("录入员"));
        test::MessageRecorder messages;
        MainWindow w;
        w.show();
        QWidget *s = w.open(QStringLiteral("mima"));
        box(s, "Text3")->setText(old);
        box(s, "Text1")->setText(fresh);
        box(s, "Text2")->setText(confirmation);
        QTest::keyClick(box(s, "Text2"), Qt::Key_Return);

        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(messages.last().icon, Icon::None);
        QCOMPARE(messages.last().title, ui::kAppTitle);
        QCOMPARE(!w.find(QStringLiteral("mima")), closes);
        for (int id = 1; id <= 3; ++id)
            QCOMPARE(account(t.db(), id).value(QStringLiteral("password")).toString(),
                     passwordDigest(passwords[id - 1]));
        if (message == QStringLiteral("口令修改完成！")) {
            QCOMPARE(loginRights(t.db(), user, fresh), 0);
            QCOMPARE(loginRights(t.db(), user, old), -1);
        }
    }

    // An engine failure shows the engine's text; nothing is written and the screen stays.
    void engineFailure_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("add") << "add_admin";
        QTest::newRow("edit") << "yhxg";
        QTest::newRow("password") << "mima";
    }

    void engineFailure()
    {
        QFETCH(QString, screen);
        test::TempDb t;
        t.addUser(QStringLiteral("boss"), QStringLiteral("pw"), QStringLiteral("经理"));
        t.addUser(QStringLiteral("clerk"), QStringLiteral("pw"), QStringLiteral("录入员"));
        Session::start(QStringLiteral("clerk"), QStringLiteral("录入员"));
        for (const char *when : {"insert", "update"})
            t.db().exec(QStringLiteral("create trigger refuse_%1 before %1 on admin begin select raise(abort, 'disk is full'); end")
                            .arg(QString::fromLatin1(when)));
        const auto before = t.db().rows(QStringLiteral("select * from admin order by id"));
        test::MessageRecorder messages;
        MainWindow w;
        QWidget *s = nullptr;
        if (screen == QStringLiteral("add_admin")) {
            s = w.open(screen);
            box(s, "Text1")->setText(QStringLiteral("Zhao"));
            press(s, "Command1");
        } else if (screen == QStringLiteral("yhxg")) {
            QWidget *list = w.open(QStringLiteral("yonghuguanli"));
            selectAccount(list, 2);
            press(list, "edit");
            s = w.find(screen);
            box(s, "txtpwd")->setText(QStringLiteral("new"));
            box(s, "txtpwd2")->setText(QStringLiteral("new"));
            press(s, "Cmdok");
        } else {
            s = w.open(screen);
            box(s, "Text3")->setText(QStringLiteral("pw"));
            box(s, "Text1")->setText(QStringLiteral("new"));
            box(s, "Text2")->setText(QStringLiteral("new"));
            press(s, "cmdok");
        }
        QCOMPARE(messages.texts(), QStringList{"disk is full"});
        QCOMPARE(messages.last().icon, Icon::Critical);
        QCOMPARE(w.find(screen), s);
        QCOMPARE(t.db().rows(QStringLiteral("select * from admin order by id")), before);
    }
};

QTEST_MAIN(AccountsTest)
#include "test_accounts.moc"
