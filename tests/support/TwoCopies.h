#pragma once

#include "data/Db.h"

#include <QList>
#include <QString>
#include <QUuid>

#include <functional>
#include <latch>
#include <thread>

namespace quorv::test {

// Runs `action` in two threads at the same moment, each with its own connection to the file, as
// two copies of the program would; returns what each returned (index = copy).
template <typename T>
QList<T> inTwoCopies(const QString &path, const std::function<T(Db &, int)> &action)
{
    QList<T> results(2);
    std::latch start(2);
    auto run = [&](int copy) {
        Db db(path, QStringLiteral("copy-%1-").arg(copy) + QUuid::createUuid().toString(QUuid::Id128));
        start.arrive_and_wait();
        results[copy] = action(db, copy);
    };
    std::thread first(run, 0);
    std::thread second(run, 1);
    first.join();
    second.join();
    return results;
}

} // namespace quorv::test
