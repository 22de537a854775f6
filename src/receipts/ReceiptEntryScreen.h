#pragma once

#include <QWidget>

namespace quorv {

class Db;

// `add_piaoju`: enters one written receipt.
class ReceiptEntryScreen : public QWidget {
    Q_OBJECT
public:
    explicit ReceiptEntryScreen(Db &db, QWidget *parent = nullptr);

private:
    void submit();
    QString text(const char *control) const;

    Db &m_db;
};

} // namespace quorv
