#include "data/DbFile.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace quorv {

namespace {

DbFileCheck foreign(const QString &reason)
{
    return {DbFileCheck::State::Foreign, reason};
}

// Opens the file read-only and checks for the account table with its login columns.
DbFileCheck inspectSqlite(const QString &path)
{
    const QString name = QStringLiteral("inspect-") + QUuid::createUuid().toString(QUuid::Id128);
    DbFileCheck result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            result = foreign(db.lastError().text());
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("select name from pragma_table_info('admin')"))) {
                result = foreign(QObject::tr("文件已损坏：%1").arg(q.lastError().databaseText()));
            } else {
                QStringList columns;
                while (q.next())
                    columns << q.value(0).toString().toLower();
                if (columns.contains(QStringLiteral("admin")) && columns.contains(QStringLiteral("password"))
                    && columns.contains(QStringLiteral("jb")))
                    result = {DbFileCheck::State::Ours, {}};
                else
                    result = foreign(QObject::tr("它是一个 SQLite 数据库，但没有本程序的用户表。"));
            }
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

DbFileCheck inspectDatabaseFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {DbFileCheck::State::Missing, {}};
    if (!info.isFile())
        return foreign(QObject::tr("它不是一个文件。"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return foreign(QObject::tr("无法读取：%1").arg(file.errorString()));
    const QByteArray header = file.read(100);
    file.close();

    if (header.size() >= 19 && (header.mid(4, 15) == "Standard Jet DB" || header.mid(4, 15) == "Standard ACE DB"))
        return foreign(QObject::tr("它是旧版 Access 格式的数据库，本程序不能直接打开。"));
    if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
        return foreign(QObject::tr("它不是本程序的数据库（格式不对或文件已损坏）。"));
    return inspectSqlite(path);
}

} // namespace quorv
