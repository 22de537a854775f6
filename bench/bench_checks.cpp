// The checks every counter action runs, against tables of 10k, 100k and 1M rows, beside the same
// statement run through the bare SQLite library.
#include "bookings/BookingRules.h"
#include "data/Clock.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/UnitOfWork.h"
#include "receipts/ReceiptUse.h"
#include "records/RowWindowModel.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <map>
#include <memory>

using namespace quorv;

namespace {

constexpr int kCoaches = 50;

// One generated file per size, kept for the whole run.
struct Data {
    QTemporaryDir dir;
    std::unique_ptr<Db> db;
    sqlite3 *bare = nullptr;
    int rows = 0;
};

Data &data(int rows)
{
    static std::map<int, std::unique_ptr<Data>> files;
    auto &slot = files[rows];
    if (slot)
        return *slot;
    slot = std::make_unique<Data>();
    Data &d = *slot;
    d.rows = rows;
    const QString path = d.dir.filePath(QStringLiteral("pazo.dll"));
    d.db = std::make_unique<Db>(path, QStringLiteral("bench-%1").arg(rows));
    schema::create(*d.db);
    {
        UnitOfWork work(*d.db);
        QSqlQuery booking(d.db->connection());
        booking.prepare(QStringLiteral("insert into yueche (jiaolian, s_date, e_date, kahao, card_name, shichang) values (?,?,?,?,?,1)"));
        QSqlQuery receipt(d.db->connection());
        receipt.prepare(QStringLiteral("insert into piaoju (piaohao, xingming, yongtu) values (?, 'x', ?)"));
        const QDateTime first(QDate(2020, 1, 1), QTime(7, 0));
        for (int i = 0; i < rows; ++i) {
            // Each coach gets a one-hour slot every day, one after the other through the years.
            const QDateTime start = first.addSecs(qint64(i / kCoaches) * 3600 * 3);
            booking.addBindValue(QStringLiteral("coach%1").arg(i % kCoaches));
            booking.addBindValue(toStoredDateTime(start));
            booking.addBindValue(toStoredDateTime(start.addSecs(3600)));
            booking.addBindValue(i);
            booking.addBindValue(QStringLiteral("记时卡"));
            booking.exec();
            receipt.addBindValue(i);
            receipt.addBindValue(i % 2 ? QVariant(QStringLiteral("记时卡x")) : QVariant());
            receipt.exec();
        }
        work.commit();
    }
    sqlite3_open_v2(path.toUtf8().constData(), &d.bare, SQLITE_OPEN_READONLY, nullptr);
    return d;
}

QDateTime middleSlot(const Data &d)
{
    return QDateTime(QDate(2020, 1, 1), QTime(7, 0)).addSecs(qint64(d.rows / kCoaches / 2) * 3600 * 3 + 1800);
}

void ClashCheck(benchmark::State &state)
{
    Data &d = data(int(state.range(0)));
    const QDateTime s = middleSlot(d);
    for (auto _ : state)
        benchmark::DoNotOptimize(bookings::clashes(*d.db, QStringLiteral("coach7"), s, s.addSecs(3600)));
}

void ClashCheckBareSqlite(benchmark::State &state)
{
    Data &d = data(int(state.range(0)));
    const QByteArray s = toStoredDateTime(middleSlot(d)).toUtf8();
    const QByteArray e = toStoredDateTime(middleSlot(d).addSecs(3600)).toUtf8();
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(d.bare, "select 1 from yueche where jiaolian = ? and e_date >= ? and s_date <= ? limit 1", -1, &stmt, nullptr);
    for (auto _ : state) {
        sqlite3_bind_text(stmt, 1, "coach7", -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 2, s.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 3, e.constData(), -1, SQLITE_STATIC);
        benchmark::DoNotOptimize(sqlite3_step(stmt));
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
}

void ReceiptUseCheck(benchmark::State &state)
{
    Data &d = data(int(state.range(0)));
    qint64 n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(receipts::refuseUnlessFree(*d.db, (n++ * 7919) % d.rows));
}

// The last rows of a grid over the whole booking table: one page is read, not the table.
void GridLastPage(benchmark::State &state)
{
    Data &d = data(int(state.range(0)));
    for (auto _ : state) {
        RowWindowModel model(*d.db);
        model.setColumns({{QStringLiteral("id"), QStringLiteral("id")}});
        model.setQuery(QStringLiteral("select * from yueche"));
        benchmark::DoNotOptimize(model.record(model.rowCount() - 1));
    }
}

} // namespace

BENCHMARK(ClashCheck)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClashCheckBareSqlite)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReceiptUseCheck)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(GridLastPage)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
