#pragma once

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;

namespace quorv {

class Db;
class SlotPickers;

// `youkayc`: shows a card and books a coach and vehicle model on it.
class CardBookingScreen : public QWidget {
    Q_OBJECT
public:
    explicit CardBookingScreen(Db &db, QWidget *parent = nullptr);
    ~CardBookingScreen() override;

    // Shows the card with this number and readies the booking panel.
    void load(qint64 card);

private:
    void book();
    void listBookings();
    QLineEdit *box(const char *name) const;

    Db &m_db;
    QLabel *m_kind = nullptr;
    QComboBox *m_coach = nullptr;
    QComboBox *m_model = nullptr;
    std::unique_ptr<SlotPickers> m_slot;
};

} // namespace quorv
