#include "app/LoginRules.h"
#include "app/LoginScreen.h"
#include "app/Session.h"
#include "support/MessageRecorder.h"
#include "support/TempDb.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace quorv;
using Outcome = LoginRules::Outcome;

Q_DECLARE_METATYPE(LoginRules::Outcome)

class LoginTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Session::clear(); }

    // Each row: a sequence of attempts "name|password" and the outcome of each.
    void attempts_data()
    {
        QTest::addColumn<QStringList>("tries");
        QTest::addColumn<QList<Outcome>>("outcomes");
        QTest::newRow("two failures, then success")
            << QStringList{"boss|x", "boss|y", "boss|pw"} << QList<Outcome>{Outcome::Retry, Outcome::Retry, Outcome::Success};
        QTest::newRow("three failures end it")
            << QStringList{"boss|x", "nobody|pw", "boss|y"}
            << QList<Outcome>{Outcome::Retry, Outcome::Retry, Outcome::Exhausted};
        QTest::newRow("an empty name is not counted")
            << QStringList{"boss|x", "   |pw", "boss|y", "boss|pw"}
            << QList<Outcome>{Outcome::Retry, Outcome::EmptyName, Outcome::Retry, Outcome::Success};
        QTest::newRow("blanks around name and password") << QStringList{"  boss  | pw "} << QList<Outcome>{Outcome::Success};
        QTest::newRow("letter case of the name") << QStringList{"BoSS|pw"} << QList<Outcome>{Outcome::Success};
        QTest::newRow("letter case of the password counts") << QStringList{"boss|PW"} << QList<Outcome>{Outcome::Retry};
        QTest::newRow("empty password matches an empty one") << QStringList{"clerk|"} << QList<Outcome>{Outcome::Success};
        QTest::newRow("apostrophe in the name") << QStringList{"o'neil|pw"} << QList<Outcome>{Outcome::Success};
    }

    void attempts()
    {
        QFETCH(QStringList, tries);
        QFETCH(QList<Outcome>, outcomes);
        test::TempDb t;
        t.addUser(QStringLiteral("boss"), QStringLiteral("pw"), QStringLiteral("经理"));
        t.addUser(QStringLiteral("clerk"), QString(), QStringLiteral("录入员"));
        t.addUser(QStringLiteral("o'neil"), QStringLiteral("pw"), QStringLiteral("录入员"));
        LoginRules rules(t.db());
        for (int i = 0; i < tries.size(); ++i) {
            const QStringList parts = tries[i].split(QLatin1Char('|'));
            QCOMPARE(rules.submit(parts[0], parts[1]), outcomes[i]);
        }
    }

    // The session keeps the name as typed and the first matching account's role, trimmed.
    void session_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<bool>("manager");
        QTest::newRow("manager") << "经理" << true;
        QTest::newRow("manager with blanks") << " 经理  " << true;
        QTest::newRow("clerk") << "录入员" << false;
        QTest::newRow("other clerk word") << "录入人" << false;
        QTest::newRow("anything else") << "经理助理" << false;
    }

    void session()
    {
        QFETCH(QString, role);
        QFETCH(bool, manager);
        test::TempDb t;
        t.addUser(QStringLiteral("Wang"), QStringLiteral("pw"), role);
        t.addUser(QStringLiteral("wang"), QStringLiteral("pw"), QStringLiteral("其他"));
        LoginRules rules(t.db());
        QCOMPARE(rules.submit(QStringLiteral(" WANG "), QStringLiteral("pw")), Outcome::Success);
        QCOMPARE(Session::user(), QStringLiteral(" WANG "));
        QCOMPARE(Session::role(), role.trimmed());
        QCOMPARE(Session::isManager(), manager);
    }

    // The screen: its messages, emptied boxes and focus, and the two ways out.
    void screen()
    {
        test::TempDb t;
        t.addUser(QStringLiteral("boss"), QStringLiteral("pw"), QStringLiteral("经理"));
        test::MessageRecorder messages;
        LoginScreen login(t.db());
        login.show();
        QCOMPARE(login.windowTitle(), QStringLiteral("登录"));
        QSignalSpy in(&login, &LoginScreen::loggedIn);
        QSignalSpy out(&login, &LoginScreen::abandoned);
        auto *user = login.findChild<QLineEdit *>(QStringLiteral("txtuser"));
        auto *pwd = login.findChild<QLineEdit *>(QStringLiteral("txtpwd"));
        auto *ok = login.findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(user && pwd && ok);
        QCOMPARE(ok->text(), QStringLiteral("登入"));
        QCOMPARE(pwd->echoMode(), QLineEdit::Password);

        user->setText(QStringLiteral("  "));
        ok->click();
        QCOMPARE(messages.last().text, QStringLiteral("用户名不能为空"));
        QCOMPARE(messages.last().title, QString());
        QCOMPARE(messages.last().icon, ui::Message::Icon::Warning);

        user->setText(QStringLiteral("boss"));
        pwd->setText(QStringLiteral("wrong"));
        ok->click();
        QCOMPARE(messages.last().text, QStringLiteral("用户名或者密码不正确，请重新登录"));
        QCOMPARE(messages.last().title, QStringLiteral("信息提示"));
        QCOMPARE(messages.last().icon, ui::Message::Icon::Warning);
        QVERIFY(user->text().isEmpty() && pwd->text().isEmpty());
        QCOMPARE(login.focusWidget(), user);

        user->setText(QStringLiteral(" boss"));
        pwd->setText(QStringLiteral("pw"));
        ok->click();
        QCOMPARE(in.count(), 1);
        QCOMPARE(out.count(), 0);
        QVERIFY(!login.isVisible());
        QCOMPARE(Session::user(), QStringLiteral(" boss"));
    }

    void thirdFailureEndsTheProgram()
    {
        test::TempDb t;
        test::MessageRecorder messages;
        LoginScreen login(t.db());
        login.show();
        QSignalSpy out(&login, &LoginScreen::abandoned);
        auto *user = login.findChild<QLineEdit *>(QStringLiteral("txtuser"));
        for (int i = 0; i < 3; ++i) {
            user->setText(QStringLiteral("nobody"));
            login.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        }
        QCOMPARE(messages.last().text, QStringLiteral("已经登入三次失败，退出系统"));
        QCOMPARE(messages.last().title, QStringLiteral("信息提示"));
        QCOMPARE(out.count(), 1);
        QVERIFY(!login.isVisible());
    }

    void cancelEndsTheProgram()
    {
        test::TempDb t;
        LoginScreen login(t.db());
        login.show();
        QSignalSpy out(&login, &LoginScreen::abandoned);
        login.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        QCOMPARE(out.count(), 1);
    }
};

QTEST_MAIN(LoginTest)
#include "test_login.moc"
