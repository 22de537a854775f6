#pragma once

#include <QWidget>

#include <memory>

class QComboBox;

namespace quorv {

class Db;
class SlotPickers;

// `linshiyc`: books a coach and vehicle model for a customer without a card, against a receipt.
class WalkInScreen : public QWidget {
    Q_OBJECT
public:
    explicit WalkInScreen(Db &db, QWidget *parent = nullptr);
    ~WalkInScreen() override;

private:
    void book();
    QString text(const char *control) const;

    Db &m_db;
    bool m_haveCoaches = false;
    std::unique_ptr<SlotPickers> m_slot;
};

} // namespace quorv
