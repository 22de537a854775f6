#pragma once

#include <QObject>

class QCalendarWidget;
class QLineEdit;
class QWidget;

namespace quorv::ui {

// A month calendar named `name`, showing today's date.
QCalendarWidget *calendar(QWidget *parent, const QString &name);

// Ties a date box to its month calendar: a pick writes the day as "yyyy-mm-dd" into the box;
// typing into the box shows the calendar again if it was hidden.
class DatePicker : public QObject {
    Q_OBJECT
public:
    enum class Pick { Click, DoubleClick };
    enum class AfterPick { StayShown, Hide };

    DatePicker(QLineEdit *box, QCalendarWidget *calendar, Pick pick, AfterPick after);
};

} // namespace quorv::ui
