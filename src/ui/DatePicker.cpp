#include "ui/DatePicker.h"

#include "data/Clock.h"

#include <QCalendarWidget>
#include <QLineEdit>

namespace quorv::ui {

QCalendarWidget *calendar(QWidget *parent, const QString &name)
{
    auto *c = new QCalendarWidget(parent);
    c->setObjectName(name);
    c->setSelectedDate(Clock::today());
    c->setGridVisible(true);
    return c;
}

DatePicker::DatePicker(QLineEdit *box, QCalendarWidget *calendar, Pick pick, AfterPick after) : QObject(box)
{
    auto write = [box, calendar, after](const QDate &day) {
        box->setText(toStoredDate(day));
        if (after == AfterPick::Hide)
            calendar->hide();
    };
    // activated is the calendar's double click (or Return on a day).
    if (pick == Pick::Click)
        connect(calendar, &QCalendarWidget::clicked, box, write);
    else
        connect(calendar, &QCalendarWidget::activated, box, write);
    connect(box, &QLineEdit::textChanged, calendar, [calendar] {
        if (calendar->isHidden())
            calendar->show();
    });
}

} // namespace quorv::ui
