#include "data/Clock.h"
#include "data/Criteria.h"
#include "data/Errors.h"
#include "data/Parse.h"
#include "data/Schema.h"
#include "data/UnitOfWork.h"
#include "support/TempDb.h"

#include <QtTest>

using namespace quorv;

class DataTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Clock::useSystemTime(); }

    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("isWhole");
        QTest::newRow("digits") << "123" << true << 123.0 << true;
        QTest::newRow("blanks around") << "  42 " << true << 42.0 << true;
        QTest::newRow("ideographic blank") << QStringLiteral("\u300042") << true << 42.0 << true;
        QTest::newRow("sign") << "-7" << true << -7.0 << true;
        QTest::newRow("plus") << "+7" << true << 7.0 << true;
        QTest::newRow("fraction") << "12.5" << true << 12.5 << false;
        QTest::newRow("point zero") << "12.0" << true << 12.0 << true;
        QTest::newRow("leading point") << ".5" << true << 0.5 << false;
        QTest::newRow("trailing point") << "3." << true << 3.0 << true;
        QTest::newRow("exponent") << "1e3" << true << 1000.0 << true;
        QTest::newRow("empty") << "" << false << 0.0 << false;
        QTest::newRow("only blanks") << "   " << false << 0.0 << false;
        QTest::newRow("letters") << "12a" << false << 0.0 << false;
        QTest::newRow("two points") << "1.2.3" << false << 0.0 << false;
        QTest::newRow("inner blank") << "1 2" << false << 0.0 << false;
        QTest::newRow("sign alone") << "-" << false << 0.0 << false;
        QTest::newRow("inf") << "inf" << false << 0.0 << false;
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        QFETCH(bool, isWhole);
        const auto n = parse::number(text);
        QCOMPARE(n.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*n, value);
        QCOMPARE(parse::wholeNumber(text).has_value(), isWhole);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::newRow("short parts") << "2010-7-15" << "2010-07-15";
        QTest::newRow("full parts") << "2010-07-15" << "2010-07-15";
        QTest::newRow("slashes") << "2010/7/15" << "2010-07-15";
        QTest::newRow("dots") << "2010.7.5" << "2010-07-05";
        QTest::newRow("blanks around") << " 2010-7-15 " << "2010-07-15";
        QTest::newRow("with time") << "2010-7-15 8:05" << "2010-07-15";
        QTest::newRow("leap day") << "2012-2-29" << "2012-02-29";
        QTest::newRow("no leap day") << "2011-2-29" << "";
        QTest::newRow("day 31 of a 30-day month") << "2010-4-31" << "";
        QTest::newRow("month 13") << "2010-13-1" << "";
        QTest::newRow("mixed separators") << "2010-7/15" << "";
        QTest::newRow("two-digit year") << "10-7-15" << "";
        QTest::newRow("words") << "yesterday" << "";
        QTest::newRow("empty") << "" << "";
    }

    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        const auto d = parse::date(text);
        QCOMPARE(d.has_value(), !stored.isEmpty());
        if (d)
            QCOMPARE(toStoredDate(*d), stored);
    }

    void dateTimes()
    {
        QCOMPARE(parse::requireDateTime(QStringLiteral("2010/7/15 8:05"), QStringLiteral("开始")),
                 QStringLiteral("2010-07-15 08:05:00"));
        QCOMPARE(parse::requireDateTime(QStringLiteral("2010-07-15 23:59:59"), QStringLiteral("开始")),
                 QStringLiteral("2010-07-15 23:59:59"));
        QCOMPARE(parse::requireDateTime(QStringLiteral("2010-7-15"), QStringLiteral("开始")),
                 QStringLiteral("2010-07-15 00:00:00"));
        QVERIFY(!parse::dateTime(QStringLiteral("2010-7-15 25:00")));
    }

    // A value its column cannot hold is refused with a message naming the field.
    void requireNamesTheField()
    {
        const auto messageOf = [](auto read) {
            try {
                read();
            } catch (const InputError &e) {
                return e.text();
            }
            return QString();
        };
        QVERIFY(messageOf([] { parse::requireWholeNumber(QStringLiteral("12.5"), QStringLiteral("开始号")); })
                    .contains(QStringLiteral("开始号")));
        QVERIFY(messageOf([] { parse::requireNumber(QStringLiteral("abc"), QStringLiteral("金额")); })
                    .contains(QStringLiteral("金额")));
        QVERIFY(messageOf([] { parse::requireDate(QStringLiteral("2010-2-30"), QStringLiteral("开票日期")); })
                    .contains(QStringLiteral("开票日期")));
        QCOMPARE(parse::requireWholeNumber(QStringLiteral(" 100 "), QStringLiteral("开始号")), 100);
    }

    // Every table of the catalogue is there, and values are stored in their plain forms.
    void schemaAndStorageForms()
    {
        test::TempDb t;
        QVERIFY(schema::missingTables(t.db()).isEmpty());
        QCOMPARE(int(schema::tables().size()), 14);
        Clock::setFixed(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)));
        const qint64 id = t.db().insert(QStringLiteral("piaoju"),
                                        {{QStringLiteral("piaohao"), 1001},
                                         {QStringLiteral("jine"), 12.5},
                                         {QStringLiteral("kaipiaoriqi"), parse::requireDate(QStringLiteral("2010/7/5"), {})},
                                         {QStringLiteral("xingming"), QStringLiteral("张三")}});
        const auto row = t.db().rows(QStringLiteral("select typeof(piaohao), typeof(jine), kaipiaoriqi, addtime, "
                                                    "typeof(id) from piaoju where id = ?"),
                                     {id});
        QCOMPARE(row.size(), 1);
        QCOMPARE(row[0].value(0).toString(), QStringLiteral("integer"));
        QCOMPARE(row[0].value(1).toString(), QStringLiteral("real"));
        QCOMPARE(row[0].value(2).toString(), QStringLiteral("2010-07-05"));
        QCOMPARE(row[0].value(3).toString(), QStringLiteral("2026-03-04 05:06:07"));
        QCOMPARE(row[0].value(4).toString(), QStringLiteral("integer"));
    }

    // A row written by another tool without an entry time gets the local moment from the default.
    void entryTimeDefault()
    {
        test::TempDb t;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
        t.db().exec(QStringLiteral("insert into chexing (chexing) values ('捷达')"));
        const QDateTime stamp = QDateTime::fromString(
            t.db().value(QStringLiteral("select time from chexing")).toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QVERIFY(stamp.isValid());
        QVERIFY(stamp >= before && stamp <= QDateTime::currentDateTime().addSecs(2));
        QCOMPARE(t.db().value(QStringLiteral("select id from chexing")).toInt(), 1);
    }

    // Text compares without regard to letter case; an apostrophe is a character like any other.
    void textValues()
    {
        test::TempDb t;
        t.db().insert(QStringLiteral("jiaolian"), {{QStringLiteral("jiaolian"), QStringLiteral("O'Brien")},
                                                    {QStringLiteral("beizhu"), QStringLiteral("it's")}});
        QCOMPARE(t.db().value(QStringLiteral("select beizhu from jiaolian where jiaolian = ?"),
                              {QStringLiteral("o'brien")})
                     .toString(),
                 QStringLiteral("it's"));
        Criteria c(QStringLiteral("jiaolian"));
        c.equals(QStringLiteral("jiaolian"), QStringLiteral("O'BRIEN"));
        QCOMPARE(t.db().rows(c.sql(), c.values()).size(), 1);
    }

    // Criteria are appended in order after "where 1=1"; no criterion lists every row.
    void criteriaText()
    {
        Criteria none(QStringLiteral("card"));
        QCOMPARE(none.sql(), QStringLiteral("select * from card where 1=1"));
        Criteria c(QStringLiteral("card"));
        c.equals(QStringLiteral("xingming"), QStringLiteral("张三"))
            .range(QStringLiteral("kahao"), 5, 9)
            .fixed(QStringLiteral("yushi > 0"))
            .dateRange(QStringLiteral("bankariqi"), QDate(2010, 7, 1), QDate(2010, 7, 31));
        QCOMPARE(c.sql(), QStringLiteral("select * from card where 1=1 and xingming = ? and kahao >= ? and kahao <= ? "
                                         "and yushi > 0 and bankariqi >= ? and bankariqi <= ?"));
        QCOMPARE(c.values(), (QVariantList{QStringLiteral("张三"), 5, 9, QStringLiteral("2010-07-01"),
                                           QStringLiteral("2010-07-31")}));
    }

    // Ranges: numbers include both ends; a date column includes both days; a date-time column
    // runs from midnight of the first day to midnight of the last day.
    void rangeSemantics()
    {
        test::TempDb t;
        const struct {
            qint64 kahao;
            const char *bankariqi;
            const char *addtime;
        } rows[] = {
            {4, "2010-06-30", "2010-06-30 23:59:59"},
            {5, "2010-07-01", "2010-07-01 00:00:00"},
            {7, "2010-07-15", "2010-07-15 12:00:00"},
            {9, "2010-07-31", "2010-07-31 00:00:00"},
            {10, "2010-08-01", "2010-07-31 00:00:01"},
        };
        for (const auto &r : rows)
            t.db().insert(QStringLiteral("card"), {{QStringLiteral("kahao"), r.kahao},
                                                    {QStringLiteral("bankariqi"), QString::fromLatin1(r.bankariqi)},
                                                    {QStringLiteral("addtime"), QString::fromLatin1(r.addtime)}});
        const auto kahaos = [&t](const Criteria &c) {
            QList<qint64> found;
            for (const auto &r : t.db().rows(c.sql() + QStringLiteral(" order by kahao"), c.values()))
                found << r.value(QStringLiteral("kahao")).toLongLong();
            return found;
        };
        QCOMPARE(kahaos(Criteria(QStringLiteral("card")).range(QStringLiteral("kahao"), 5, 9)), (QList<qint64>{5, 7, 9}));
        QCOMPARE(kahaos(Criteria(QStringLiteral("card")).range(QStringLiteral("kahao"), 7)), (QList<qint64>{7, 9, 10}));
        QCOMPARE(kahaos(Criteria(QStringLiteral("card"))
                            .dateRange(QStringLiteral("bankariqi"), QDate(2010, 7, 1), QDate(2010, 7, 31))),
                 (QList<qint64>{5, 7, 9}));
        QCOMPARE(kahaos(Criteria(QStringLiteral("card"))
                            .dateRange(QStringLiteral("addtime"), QDate(2010, 7, 1), QDate(2010, 7, 31))),
                 (QList<qint64>{5, 7, 9}));
        // The same day in both boxes finds only what was stamped at midnight.
        QCOMPARE(kahaos(Criteria(QStringLiteral("card"))
                            .dateRange(QStringLiteral("addtime"), QDate(2010, 7, 15), QDate(2010, 7, 15))),
                 (QList<qint64>{}));
        QCOMPARE(kahaos(Criteria(QStringLiteral("card")).dateRange(QStringLiteral("bankariqi"), QDate(2010, 7, 15), {})),
                 (QList<qint64>{7, 9, 10}));
    }

    // A unit of work that fails leaves nothing behind; one that commits keeps all of it.
    void unitOfWork()
    {
        test::TempDb t;
        auto count = [&t] { return t.db().value(QStringLiteral("select count(*) from piaoju")).toInt(); };
        try {
            UnitOfWork work(t.db());
            t.db().insert(QStringLiteral("piaoju"), {{QStringLiteral("piaohao"), 1}});
            t.db().insert(QStringLiteral("no_such_table"), {{QStringLiteral("x"), 1}});
            work.commit();
            QFAIL("the engine accepted a missing table");
        } catch (const DbError &e) {
            QVERIFY(e.text().contains(QStringLiteral("no_such_table")));
        }
        QCOMPARE(count(), 0);

        // An inner unit that ends without commit spoils the outer one.
        try {
            UnitOfWork outer(t.db());
            t.db().insert(QStringLiteral("piaoju"), {{QStringLiteral("piaohao"), 2}});
            { UnitOfWork inner(t.db()); }
            outer.commit();
            QFAIL("the outer unit committed after its inner unit failed");
        } catch (const DbError &) {
        }
        QCOMPARE(count(), 0);

        {
            UnitOfWork outer(t.db());
            t.db().insert(QStringLiteral("piaoju"), {{QStringLiteral("piaohao"), 3}});
            UnitOfWork inner(t.db());
            t.db().insert(QStringLiteral("piaoju"), {{QStringLiteral("piaohao"), 4}});
            inner.commit();
            outer.commit();
        }
        QCOMPARE(count(), 2);
        // After a failure the connection is usable again.
        t.db().insert(QStringLiteral("piaoju"), {{QStringLiteral("piaohao"), 5}});
        QCOMPARE(count(), 3);
    }

    // While one copy of the program holds a unit of work, another copy's writes wait for it and
    // then see its result; they never interleave.
    void secondConnectionWaits()
    {
        test::TempDb t;
        auto other = t.secondConnection();
        {
            UnitOfWork work(t.db());
            t.db().insert(QStringLiteral("piaoju"), {{QStringLiteral("piaohao"), 1}});
            QCOMPARE(other->value(QStringLiteral("select count(*) from piaoju")).toInt(), 0);
            work.commit();
        }
        QCOMPARE(other->value(QStringLiteral("select count(*) from piaoju")).toInt(), 1);
    }

    // Every search of the catalogue's indexes is planned with its index, not a full scan.
    void indexesServeTheirSearches()
    {
        test::TempDb t;
        for (const auto &index : schema::indexes()) {
            QStringList where;
            QVariantList values;
            for (const char *c : index.columns) {
                where << QString::fromLatin1(c) + QStringLiteral(" = ?");
                values << 1;
            }
            const auto plan = t.db().rows(QStringLiteral("explain query plan select * from %1 where %2")
                                              .arg(QString::fromLatin1(index.table), where.join(QStringLiteral(" and "))),
                                          values);
            QString detail;
            for (const auto &r : plan)
                detail += r.value(QStringLiteral("detail")).toString();
            QVERIFY2(detail.contains(QStringLiteral("INDEX")), qPrintable(detail));
        }
    }
};

QTEST_GUILESS_MAIN(DataTest)
#include "test_data.moc"
