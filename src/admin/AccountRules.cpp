#include "admin/AccountRules.h"

#include "data/Db.h"
#include "data/PasswordDigest.h"
#include "data/UnitOfWork.h"

namespace quorv {

namespace {

const QString kTable = QStringLiteral("admin");
const QString kManager = QStringLiteral("经理");
const QString kClerk = QStringLiteral("录入员");

} // namespace

AccountRules::AddOutcome AccountRules::add(const QString &name, const QString &password,
                                           const QString &confirmation, const QString &role)
{
    const QString trimmedName = name.trimmed();
    if (trimmedName.isEmpty())
        return AddOutcome::EmptyName;

    UnitOfWork work(m_db);
    // Letter case counts here, although the column and the login ignore it. The first condition
    // lets the name index find the candidates.
    if (m_db.any(QStringLiteral("select 1 from admin where admin = ? and admin = ? collate binary"),
                 {trimmedName, trimmedName}))
        return AddOutcome::NameTaken;
    if (confirmation.trimmed() != password.trimmed())
        return AddOutcome::PasswordMismatch;
    const QString trimmedRole = role.trimmed();
    if (trimmedRole != kManager && trimmedRole != kClerk)
        return AddOutcome::BadRole;

    m_db.insert(kTable, {{QStringLiteral("admin"), name},
                         {QStringLiteral("password"), passwordDigest(password)},
                         {QStringLiteral("jb"), role},
                         {QStringLiteral("userkey"), trimmedRole == kManager ? 10 : 8}});
    work.commit();
    return AddOutcome::Added;
}

AccountRules::EditOutcome AccountRules::edit(qint64 id, const QString &name, const QString &password,
                                             const QString &confirmation, const QString &role)
{
    if (confirmation != password)
        return EditOutcome::PasswordMismatch;

    UnitOfWork work(m_db);
    if (!m_db.any(QStringLiteral("select 1 from admin where id = ?"), {id}))
        return EditOutcome::Missing;
    Row row{{QStringLiteral("admin"), name}};
    if (!password.trimmed().isEmpty())
        row.append({QStringLiteral("password"), passwordDigest(password)});
    if (!role.trimmed().isEmpty())
        row.append({QStringLiteral("jb"), role});
    m_db.update(kTable, id, row);
    work.commit();
    return EditOutcome::Changed;
}

AccountRules::RemoveOutcome AccountRules::remove(qint64 id)
{
    if (id == kFirstAccount)
        return RemoveOutcome::FirstAccount;
    UnitOfWork work(m_db);
    m_db.remove(kTable, id);
    work.commit();
    return RemoveOutcome::Removed;
}

AccountRules::PasswordOutcome AccountRules::changeOwnPassword(const QString &sessionUser,
                                                              const QString &oldPassword,
                                                              const QString &newPassword,
                                                              const QString &confirmation)
{
    if (confirmation != newPassword)
        return PasswordOutcome::Mismatch;

    UnitOfWork work(m_db);
    const QString name = sessionUser.trimmed();
    // Two accounts may differ only in letter case; the old password tells which one is ours,
    // as it did at login.
    const QVariant id = m_db.value(
        QStringLiteral("select id from admin where admin = ? and password = ? order by id limit 1"),
        {name, passwordDigest(oldPassword)});
    if (!id.isValid()) {
        return m_db.any(QStringLiteral("select 1 from admin where admin = ?"), {name})
                   ? PasswordOutcome::WrongOldPassword
                   : PasswordOutcome::Missing;
    }
    if (newPassword.trimmed().isEmpty())
        return PasswordOutcome::Unchanged;
    m_db.update(kTable, id.toLongLong(), {{QStringLiteral("password"), passwordDigest(newPassword)}});
    work.commit();
    return PasswordOutcome::Changed;
}

} // namespace quorv
