#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <utility>

namespace quorv {

// Column values of one row, in the order they are written.
using Row = QList<std::pair<QString, QVariant>>;

// One connection to the database file. Every statement carries its values as bound
// parameters; table and column names come from the program's own constants only.
// Every failure of the engine is raised as DbError.
class Db {
public:
    // Opens (creating if needed) the SQLite file under its own connection name, in WAL mode with
    // a busy timeout so that a second copy of the program waits instead of failing at once.
    Db(const QString &path, const QString &connectionName);
    ~Db();
    Db(const Db &) = delete;
    Db &operator=(const Db &) = delete;

    const QString &path() const { return m_path; }
    QSqlDatabase connection() const;

    QList<QSqlRecord> rows(const QString &sql, const QVariantList &values = {});
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant value(const QString &sql, const QVariantList &values = {});
    bool any(const QString &sql, const QVariantList &values = {});
    void exec(const QString &sql, const QVariantList &values = {});

    // Adds a row; the table's entry-time column is stamped from the program's clock.
    qint64 insert(const QString &table, const Row &row);
    void update(const QString &table, qint64 id, const Row &row);
    void remove(const QString &table, qint64 id);

    // The database of the running program, set once at start-up.
    static Db &main();
    static bool hasMain();
    static void setMain(Db *db);

private:
    friend class UnitOfWork;
    QString m_path;
    QString m_connectionName;
    int m_depth = 0;          // nesting of units of work on this connection
    bool m_failed = false;    // an inner unit of work ended without commit
};

} // namespace quorv
