#pragma once

#include "bookings/BookingRules.h"

#include <QDate>

class QComboBox;
class QHBoxLayout;
class QWidget;

namespace quorv {

// The ten editable pickers of a booking's start and end (year, month, day, hour, minute each),
// `Comboy1` … `Combojsf`. Typed values are used as typed.
class SlotPickers {
public:
    explicit SlotPickers(QWidget *screen);

    // Items as the booking screens offer them: the day after `today` first (and selected), then
    // the fixed lists; hours 0–23 with 7 selected; minutes "00", "30".
    void fill(const QDate &today);

    QHBoxLayout *startRow() const { return m_startRow; }
    QHBoxLayout *endRow() const { return m_endRow; }
    bookings::SlotTexts texts() const;

private:
    QComboBox *m_year[2], *m_month[2], *m_day[2], *m_hour[2], *m_minute[2];
    QHBoxLayout *m_startRow, *m_endRow;
};

} // namespace quorv
