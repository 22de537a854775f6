#include "app/Session.h"

namespace quorv {

namespace {
QString g_user;
QString g_role;
} // namespace

const QString &Session::user()
{
    return g_user;
}

const QString &Session::role()
{
    return g_role;
}

bool Session::isManager()
{
    return g_role == kManagerRole;
}

void Session::start(const QString &user, const QString &role)
{
    g_user = user;
    g_role = role.trimmed();
}

void Session::clear()
{
    g_user.clear();
    g_role.clear();
}

} // namespace quorv
