#pragma once

#include "data/Db.h"

#include <QTemporaryDir>

#include <memory>

namespace quorv::test {

// A fresh database file with every table, in a temporary folder that goes away with the fixture.
// It becomes the program's main database while it lives.
class TempDb {
public:
    TempDb();
    ~TempDb();

    Db &db() { return *m_db; }
    QString path() const;
    QString dir() const { return m_dir.path(); }
    // A second, independent connection to the same file (another copy of the program).
    std::unique_ptr<Db> secondConnection() const;
    // Adds an account with the given password digested as typed.
    qint64 addUser(const QString &name, const QString &password, const QString &role);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Db> m_db;
};

} // namespace quorv::test
