#pragma once

#include <QString>

namespace quorv {

// Who is logged in: the name as typed at login and the account's role, trimmed. Set once by a
// successful login and read everywhere through these accessors.
class Session {
public:
    static const QString &user();
    static const QString &role();
    // Manager rights: the role is exactly "经理".
    static bool isManager();

    static void start(const QString &user, const QString &role);
    static void clear(); // for tests
};

inline const QString kManagerRole = QStringLiteral("经理");

} // namespace quorv
