#pragma once

#include <QString>

namespace quorv {

class Db;

// The account checks and writes of the user list, its add and edit screens and the password
// change. Each action checks and writes in one unit of work; the screens turn the outcomes into
// messages. Passwords are digested exactly as typed.
class AccountRules {
public:
    // The account of a new database file; it is never deleted.
    static constexpr qint64 kFirstAccount = 1;

    explicit AccountRules(Db &db) : m_db(db) {}

    enum class AddOutcome {
        EmptyName,        // "用户名不能为空"
        NameTaken,        // "已有这个用户"
        PasswordMismatch, // "两次密码不一致"
        BadRole,          // "请选择正确的用户权限"
        Added,
    };
    // The name, password and role are stored as typed; the tests compare them trimmed.
    AddOutcome add(const QString &name, const QString &password, const QString &confirmation,
                   const QString &role);

    enum class EditOutcome {
        PasswordMismatch, // "两次输入口令不一致!"
        Missing,          // the account was deleted meanwhile
        Changed,
    };
    // An empty password or role keeps the stored one; the name is always written.
    EditOutcome edit(qint64 id, const QString &name, const QString &password, const QString &confirmation,
                     const QString &role);

    enum class RemoveOutcome { FirstAccount, Removed };
    RemoveOutcome remove(qint64 id);

    enum class PasswordOutcome {
        Mismatch,         // "两次输入口令不一致!"
        Missing,          // no account of that name any more
        WrongOldPassword, // "原口令错误！"
        Unchanged,        // "未修改，直接退出！"
        Changed,          // "口令修改完成！"
    };
    // The account is found as the login found it: the session's name trimmed, letter case
    // ignored, the first account (lowest ID) whose password is the old one.
    PasswordOutcome changeOwnPassword(const QString &sessionUser, const QString &oldPassword,
                                      const QString &newPassword, const QString &confirmation);

private:
    Db &m_db;
};

} // namespace quorv
