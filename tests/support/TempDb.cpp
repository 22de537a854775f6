#include "support/TempDb.h"

#include "data/PasswordDigest.h"
#include "data/Schema.h"

#include <QUuid>

namespace quorv::test {

TempDb::TempDb()
{
    m_db = std::make_unique<Db>(path(), QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::Id128));
    schema::create(*m_db);
    Db::setMain(m_db.get());
}

TempDb::~TempDb()
{
    if (Db::hasMain() && &Db::main() == m_db.get())
        Db::setMain(nullptr);
}

QString TempDb::path() const
{
    return m_dir.filePath(QStringLiteral("pazo.dll"));
}

std::unique_ptr<Db> TempDb::secondConnection() const
{
    return std::make_unique<Db>(path(), QStringLiteral("other-") + QUuid::createUuid().toString(QUuid::Id128));
}

qint64 TempDb::addUser(const QString &name, const QString &password, const QString &role)
{
    return m_db->insert(QStringLiteral("admin"), {{QStringLiteral("admin"), name},
                                                   {QStringLiteral("password"), passwordDigest(password)},
                                                   {QStringLiteral("jb"), role},
                                                   {QStringLiteral("userkey"), role.trimmed() == QStringLiteral("经理") ? 10 : 8}});
}

} // namespace quorv::test
