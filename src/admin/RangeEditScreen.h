#pragma once

#include "ui/ScreenHost.h"

#include <QSqlRecord>
#include <QWidget>

class QLineEdit;

namespace quorv {

class Db;
struct RangeKind;

// `xgpiaohao` / `xgkahao`: changes the numbers of one range. The range list stays hidden while
// it is open and shows again when it closes.
class RangeEditScreen : public QWidget, public ui::RecordEditor {
    Q_OBJECT
public:
    RangeEditScreen(const RangeKind &kind, Db &db, QWidget *parent = nullptr);

    // Takes the range list's current row.
    void load(const QSqlRecord &row) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void save();
    QLineEdit *box(const QString &name);

    const RangeKind &m_kind;
    Db &m_db;
    QLineEdit *m_id = nullptr;
    bool m_saved = false;
};

} // namespace quorv
