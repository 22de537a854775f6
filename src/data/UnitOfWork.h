#pragma once

namespace quorv {

class Db;

// One user action's checks and writes, in one transaction. It begins with BEGIN IMMEDIATE, so a
// second copy of the program on the same file waits for this one instead of checking stale data.
// Rolls back unless commit() is reached. Units opened inside another join it.
class UnitOfWork {
public:
    explicit UnitOfWork(Db &db);
    ~UnitOfWork();
    UnitOfWork(const UnitOfWork &) = delete;
    UnitOfWork &operator=(const UnitOfWork &) = delete;

    void commit();

private:
    Db &m_db;
    bool m_done = false;
};

} // namespace quorv
