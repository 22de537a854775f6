#include "app/FirstRunDialog.h"
#include "app/FirstRunRules.h"
#include "app/LoginRules.h"
#include "app/Startup.h"
#include "data/Db.h"
#include "data/DbFile.h"
#include "data/PasswordDigest.h"
#include "data/Schema.h"
#include "support/MessageRecorder.h"

#include <QCryptographicHash>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorv;

namespace {

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class DbFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstRunChecks_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("empty name") << "" << "pw" << "pw" << "用户名不能为空";
        QTest::newRow("blank name, everything else wrong too") << "   " << "" << "x" << "用户名不能为空";
        QTest::newRow("empty password") << "boss" << "" << "" << "密码不能为空";
        QTest::newRow("differing confirmation") << "boss" << "pw" << "pW" << "两次密码不一致";
        QTest::newRow("acceptable") << "boss" << "pw" << "pw" << "";
    }

    void firstRunChecks()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, refusal);
        QCOMPARE(firstrun::check(user, password, confirmation), refusal);
    }

    // A new file holds every table and account 1, a manager who can log in at once.
    void createdFileHoldsTheFirstAccount()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pazo.dll"));
        firstrun::createDatabase(path, QStringLiteral(" 老板 "), QStringLiteral("开门123"));
        QCOMPARE(inspectDatabaseFile(path).state, DbFileCheck::State::Ours);

        Db db(path, QStringLiteral("created"));
        QVERIFY(schema::missingTables(db).isEmpty());
        const auto rows = db.rows(QStringLiteral("select id, admin, password, jb, userkey from admin"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].value(0).toInt(), 1);
        QCOMPARE(rows[0].value(1).toString(), QStringLiteral("老板"));
        QCOMPARE(rows[0].value(2).toString(), passwordDigest(QStringLiteral("开门123")));
        QCOMPARE(rows[0].value(3).toString(), QStringLiteral("经理"));
        QCOMPARE(rows[0].value(4).toInt(), 10);
        LoginRules login(db);
        QCOMPARE(login.submit(QStringLiteral("老板"), QStringLiteral("开门123")), LoginRules::Outcome::Success);
    }

    // A file that is not this program's database is refused and left exactly as it was.
    void foreignFilesAreRefusedUntouched_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a database\n");
        QByteArray jet(4096, '\0');
        jet.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
        QTest::newRow("old Access file") << jet;
        QByteArray damaged("SQLite format 3\0", 16);
        damaged.append(QByteArray(200, '\xff'));
        QTest::newRow("damaged SQLite header") << damaged;
    }

    void foreignFilesAreRefusedUntouched()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pazo.dll"));
        writeFile(path, bytes);
        const QByteArray before = fileHash(path);
        const DbFileCheck check = inspectDatabaseFile(path);
        QCOMPARE(check.state, DbFileCheck::State::Foreign);
        QVERIFY(!check.reason.isEmpty());
        QCOMPARE(fileHash(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("pazo.dll")});
    }

    void otherSqliteDatabaseIsForeign()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pazo.dll"));
        {
            Db other(path, QStringLiteral("other"));
            other.exec(QStringLiteral("create table notes (id integer, body text)"));
            other.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        }
        const QByteArray before = fileHash(path);
        QCOMPARE(inspectDatabaseFile(path).state, DbFileCheck::State::Foreign);
        QCOMPARE(fileHash(path), before);
        QCOMPARE(inspectDatabaseFile(dir.filePath(QStringLiteral("absent.dll"))).state, DbFileCheck::State::Missing);
    }

    // Started in a folder whose "pazo.dll" is some other file, the program says so and ends
    // with the file as it was.
    void startupRefusesAForeignFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pazo.dll"));
        writeFile(path, QByteArray("Standard Jet DB, or something else entirely"));
        const QByteArray before = fileHash(path);
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(dir.path());
        test::MessageRecorder messages;
        const int code = runProgram();
        QDir::setCurrent(cwd);
        QCOMPARE(code, 1);
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.last().icon, ui::Message::Icon::Critical);
        QVERIFY(messages.last().text.contains(QStringLiteral("pazo.dll")));
        QCOMPARE(fileHash(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("pazo.dll")});
    }

    // The dialog refuses in order, focuses the box at fault, and creates the file on success.
    void firstRunDialog()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pazo.dll"));
        test::MessageRecorder messages;
        FirstRunDialog dialog(path);
        dialog.show();
        QCOMPARE(dialog.objectName(), QStringLiteral("xinjianshujuku"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("新建数据库"));
        auto *user = dialog.findChild<QLineEdit *>(QStringLiteral("txtuser"));
        auto *pwd = dialog.findChild<QLineEdit *>(QStringLiteral("txtpwd"));
        auto *pwd2 = dialog.findChild<QLineEdit *>(QStringLiteral("txtpwd2"));
        auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("Cmdok"));
        QVERIFY(user && pwd && pwd2 && ok);
        QCOMPARE(pwd->echoMode(), QLineEdit::Password);
        QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("Command2"))->text(), QStringLiteral("取消"));

        ok->click();
        QCOMPARE(messages.last().text, QStringLiteral("用户名不能为空"));
        QCOMPARE(messages.last().icon, ui::Message::Icon::Warning);
        user->setText(QStringLiteral("boss"));
        ok->click();
        QCOMPARE(messages.last().text, QStringLiteral("密码不能为空"));
        pwd->setText(QStringLiteral("secret"));
        pwd2->setText(QStringLiteral("secreT"));
        ok->click();
        QCOMPARE(messages.last().text, QStringLiteral("两次密码不一致"));
        QVERIFY(!QFile::exists(path));
        pwd2->setText(QStringLiteral("secret"));
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(messages.messages().size(), 3);
        QCOMPARE(inspectDatabaseFile(path).state, DbFileCheck::State::Ours);
    }
};

QTEST_MAIN(DbFileTest)
#include "test_dbfile.moc"
