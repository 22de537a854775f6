#pragma once

#include <QWidget>

namespace quorv {

class Db;
struct CardKind;

// `add_jishi` / `add_baohui`: issues one practice card against a free receipt.
class CardIssueScreen : public QWidget {
    Q_OBJECT
public:
    CardIssueScreen(const CardKind &kind, Db &db, QWidget *parent = nullptr);

private:
    void submit();
    QString text(const char *control) const;

    const CardKind &m_kind;
    Db &m_db;
};

} // namespace quorv
