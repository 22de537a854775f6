#pragma once

#include <QWidget>

namespace quorv {

class Db;
namespace ui {
class DataGrid;
}

// `lcxx`: the bookings made on one card, in a window of its own.
class CardBookingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit CardBookingsWindow(Db &db, QWidget *parent = nullptr);

    void showCard(const QString &card);

private:
    ui::DataGrid *m_grid = nullptr;
};

} // namespace quorv
