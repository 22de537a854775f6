#include "app/LoginRules.h"

#include "app/Session.h"
#include "data/Db.h"
#include "data/PasswordDigest.h"

namespace quorv {

LoginRules::Outcome LoginRules::submit(const QString &user, const QString &password)
{
    const QString name = user.trimmed();
    if (name.isEmpty())
        return Outcome::EmptyName;

    // The name compares without regard to letter case; the first matching account decides.
    const QVariant role = m_db.value(
        QStringLiteral("select jb from admin where admin = ? and password = ? order by id limit 1"),
        {name, passwordDigest(password.trimmed())});
    if (role.isValid()) {
        Session::start(user, role.toString());
        return Outcome::Success;
    }
    ++m_failures;
    return m_failures >= 3 ? Outcome::Exhausted : Outcome::Retry;
}

} // namespace quorv
