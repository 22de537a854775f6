#pragma once

#include <QString>

namespace quorv {

class Db;

// The login check with its three-attempt limit. An empty name is refused without counting.
class LoginRules {
public:
    enum class Outcome {
        EmptyName, // "用户名不能为空"
        Success,   // session started
        Retry,     // "用户名或者密码不正确，请重新登录"
        Exhausted, // "已经登入三次失败，退出系统": the program ends
    };

    explicit LoginRules(Db &db) : m_db(db) {}

    // Name and password as typed; the session keeps the name as typed.
    Outcome submit(const QString &user, const QString &password);
    int failures() const { return m_failures; }

private:
    Db &m_db;
    int m_failures = 0;
};

} // namespace quorv
