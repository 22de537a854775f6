#include "data/Db.h"

#include "data/Clock.h"
#include "data/Errors.h"
#include "data/Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace quorv {

namespace {

Db *g_main = nullptr;

QString engineText(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text;
}

QSqlQuery run(const QSqlDatabase &connection, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(connection);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError(engineText(query.lastError()));
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw DbError(engineText(query.lastError()));
    return query;
}

} // namespace

Db::Db(const QString &path, const QString &connectionName)
    : m_path(path), m_connectionName(connectionName)
{
    QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    connection.setDatabaseName(path);
    connection.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!connection.open()) {
        const QString text = engineText(connection.lastError());
        connection = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw DbError(text);
    }
    exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
}

Db::~Db()
{
    if (g_main == this)
        g_main = nullptr;
    {
        QSqlDatabase connection = QSqlDatabase::database(m_connectionName, false);
        connection.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase Db::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QList<QSqlRecord> Db::rows(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = run(connection(), sql, values);
    QList<QSqlRecord> result;
    while (query.next())
        result.append(query.record());
    return result;
}

QVariant Db::value(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = run(connection(), sql, values);
    return query.next() ? query.value(0) : QVariant();
}

bool Db::any(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = run(connection(), sql, values);
    return query.next();
}

void Db::exec(const QString &sql, const QVariantList &values)
{
    run(connection(), sql, values);
}

qint64 Db::insert(const QString &table, const Row &row)
{
    QStringList columns;
    QVariantList values;
    for (const auto &[column, value] : row) {
        columns << column;
        values << value;
    }
    const QString stamp = schema::entryTimeColumn(table);
    if (!stamp.isEmpty() && !columns.contains(stamp, Qt::CaseInsensitive)) {
        columns << stamp;
        values << toStoredDateTime(Clock::now());
    }
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery query = run(connection(),
                          QStringLiteral("insert into %1 (%2) values (%3)")
                              .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                          values);
    return query.lastInsertId().toLongLong();
}

void Db::update(const QString &table, qint64 id, const Row &row)
{
    if (row.isEmpty())
        return;
    QStringList sets;
    QVariantList values;
    for (const auto &[column, value] : row) {
        sets << column + QStringLiteral("=?");
        values << value;
    }
    values << id;
    run(connection(), QStringLiteral("update %1 set %2 where id=?").arg(table, sets.join(QLatin1Char(','))),
        values);
}

void Db::remove(const QString &table, qint64 id)
{
    run(connection(), QStringLiteral("delete from %1 where id=?").arg(table), {id});
}

Db &Db::main()
{
    Q_ASSERT(g_main);
    return *g_main;
}

bool Db::hasMain()
{
    return g_main != nullptr;
}

void Db::setMain(Db *db)
{
    g_main = db;
}

} // namespace quorv
