#include "app/FirstRunRules.h"

#include "app/Session.h"
#include "data/Db.h"
#include "data/Errors.h"
#include "data/PasswordDigest.h"
#include "data/Schema.h"
#include "data/UnitOfWork.h"

#include <QFile>
#include <QUuid>

namespace quorv::firstrun {

QString check(const QString &user, const QString &password, const QString &confirmation)
{
    if (user.trimmed().isEmpty())
        return QStringLiteral("用户名不能为空");
    if (password.trimmed().isEmpty())
        return QStringLiteral("密码不能为空");
    if (password != confirmation)
        return QStringLiteral("两次密码不一致");
    return {};
}

void createDatabase(const QString &path, const QString &user, const QString &password)
{
    // Login trims both name and password, so the first account is stored trimmed: whatever was
    // typed here can be typed again at login.
    try {
        Db db(path, QStringLiteral("first-run-") + QUuid::createUuid().toString(QUuid::Id128));
        UnitOfWork work(db);
        schema::create(db);
        db.insert(QStringLiteral("admin"), {{QStringLiteral("admin"), user.trimmed()},
                                             {QStringLiteral("password"), passwordDigest(password.trimmed())},
                                             {QStringLiteral("jb"), kManagerRole},
                                             {QStringLiteral("userkey"), 10}});
        work.commit();
    } catch (const DbError &) {
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-wal"));
        QFile::remove(path + QStringLiteral("-shm"));
        throw;
    }
}

} // namespace quorv::firstrun
