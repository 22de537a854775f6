#include "data/UnitOfWork.h"

#include "data/Db.h"
#include "data/Errors.h"

#include <QObject>

namespace quorv {

UnitOfWork::UnitOfWork(Db &db) : m_db(db)
{
    if (m_db.m_depth == 0) {
        m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
        m_db.m_failed = false;
    }
    ++m_db.m_depth;
}

UnitOfWork::~UnitOfWork()
{
    if (m_done)
        return;
    --m_db.m_depth;
    if (m_db.m_depth == 0) {
        try {
            m_db.exec(QStringLiteral("ROLLBACK"));
        } catch (const DbError &) {
            // The engine has already ended the transaction; nothing of it was kept.
        }
    } else {
        m_db.m_failed = true;
    }
}

void UnitOfWork::commit()
{
    if (m_done)
        return;
    if (m_db.m_depth == 1) {
        if (m_db.m_failed)
            throw DbError(QObject::tr("操作的一部分没有完成，全部已撤销。"));
        m_db.exec(QStringLiteral("COMMIT"));
    }
    m_done = true;
    --m_db.m_depth;
}

} // namespace quorv
