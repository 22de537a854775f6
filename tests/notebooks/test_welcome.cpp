#include "data/Clock.h"
#include "notebooks/ReminderCheck.h"
#include "notebooks/WelcomeScreen.h"
#include "support/MessageRecorder.h"
#include "support/TempDb.h"

#include <QLabel>
#include <QtTest>

using namespace quorv;

class WelcomeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Clock::useSystemTime(); }

    // Reminder dates of the management and the office notes (offsets in days from today);
    // the announcement shown when the welcome screen opens.
    void reminders_data()
    {
        QTest::addColumn<QList<int>>("management");
        QTest::addColumn<QList<int>>("office");
        QTest::addColumn<QString>("announced");
        QTest::newRow("nothing due") << QList<int>{1, -3} << QList<int>{2} << "";
        QTest::newRow("both due: management first") << QList<int>{0} << QList<int>{0} << "有管理记事提醒，请查看";
        QTest::newRow("only office due") << QList<int>{-1} << QList<int>{0, 5} << "有办公记事提醒，请查看";
        QTest::newRow("yesterday's note") << QList<int>{-1} << QList<int>{-1} << "";
        QTest::newRow("several management notes") << QList<int>{0, 0, 0} << QList<int>{} << "有管理记事提醒，请查看";
    }

    void reminders()
    {
        QFETCH(QList<int>, management);
        QFETCH(QList<int>, office);
        QFETCH(QString, announced);
        test::TempDb t;
        // Late in the day: a note stays due for its whole day.
        Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(23, 59, 30)));
        for (int d : management)
            t.db().insert(QStringLiteral("My_note"), {{QStringLiteral("title"), QStringLiteral("m")},
                                                       {QStringLiteral("remind"), toStoredDate(Clock::today().addDays(d))}});
        for (int d : office)
            t.db().insert(QStringLiteral("Office_note"), {{QStringLiteral("title"), QStringLiteral("o")},
                                                           {QStringLiteral("remind"), toStoredDate(Clock::today().addDays(d))}});
        QCOMPARE(reminderText(dueReminder(t.db(), Clock::today())), announced);

        test::MessageRecorder messages;
        WelcomeScreen welcome(t.db());
        QCOMPARE(welcome.objectName(), QStringLiteral("huanying"));
        QCOMPARE(welcome.windowTitle(), QStringLiteral("欢迎进入"));
        QCOMPARE(welcome.findChild<QLabel *>(QStringLiteral("reminder"))->text(), announced);
        if (announced.isEmpty()) {
            QVERIFY(messages.messages().isEmpty());
        } else {
            QCOMPARE(messages.texts(), QStringList{announced});
            QCOMPARE(messages.last().icon, ui::Message::Icon::Warning);
            QCOMPARE(messages.last().title, QString());
        }
    }
};

QTEST_MAIN(WelcomeTest)
#include "test_welcome.moc"
