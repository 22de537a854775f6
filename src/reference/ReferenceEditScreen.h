#pragma once

#include "ui/ScreenHost.h"

#include <QSqlRecord>
#include <QWidget>

class QLineEdit;

namespace quorv {

class Db;
struct ReferenceKind;

// `xgchexing` / `xgjiaolian` / `xgzhengjian`: changes one entry of a reference list.
class ReferenceEditScreen : public QWidget, public ui::RecordEditor {
    Q_OBJECT
public:
    ReferenceEditScreen(const ReferenceKind &kind, Db &db, QWidget *parent = nullptr);

    // Takes the list's current row.
    void load(const QSqlRecord &row) override;

private:
    void save();

    const ReferenceKind &m_kind;
    Db &m_db;
    QLineEdit *m_oldName = nullptr;
    QLineEdit *m_oldRemark = nullptr;
    QLineEdit *m_name = nullptr;   // the boxes whose text is written
    QLineEdit *m_remark = nullptr;
    QLineEdit *m_id = nullptr;
};

} // namespace quorv
