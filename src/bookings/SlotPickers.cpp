#include "bookings/SlotPickers.h"

#include "ui/Controls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace quorv {

SlotPickers::SlotPickers(QWidget *screen)
{
    const char *names[2][5] = {{"Comboy1", "Combom1", "Combod1", "Combokss", "Comboksf"},
                               {"Comboy2", "Combom2", "Combod2", "Combojss", "Combojsf"}};
    for (int i = 0; i < 2; ++i) {
        QComboBox **boxes[5] = {&m_year[i], &m_month[i], &m_day[i], &m_hour[i], &m_minute[i]};
        for (int j = 0; j < 5; ++j) {
            *boxes[j] = ui::comboBox(screen, QString::fromLatin1(names[i][j]), {}, true);
            (*boxes[j])->setMinimumContentsLength(j == 0 ? 4 : 2);
        }
        auto *row = new QHBoxLayout;
        row->addWidget(m_year[i]);
        row->addWidget(new QLabel(QStringLiteral("-"), screen));
        row->addWidget(m_month[i]);
        row->addWidget(new QLabel(QStringLiteral("-"), screen));
        row->addWidget(m_day[i]);
        row->addSpacing(8);
        row->addWidget(m_hour[i]);
        row->addWidget(new QLabel(QStringLiteral("时"), screen));
        row->addWidget(m_minute[i]);
        row->addWidget(new QLabel(QStringLiteral("分"), screen));
        row->addStretch();
        (i == 0 ? m_startRow : m_endRow) = row;
    }
}

void SlotPickers::fill(const QDate &today)
{
    const QDate tomorrow = today.addDays(1);
    auto numbers = [](int from, int to) {
        QStringList items;
        for (int n = from; n <= to; ++n)
            items << QString::number(n);
        return items;
    };
    for (int i = 0; i < 2; ++i) {
        m_year[i]->addItems(QStringList{QString::number(tomorrow.year())} + numbers(2013, 2020));
        m_month[i]->addItems(QStringList{QString::number(tomorrow.month())} + numbers(1, 12));
        m_day[i]->addItems(QStringList{QString::number(tomorrow.day())} + numbers(1, 31));
        m_hour[i]->addItems(numbers(0, 23));
        m_hour[i]->setCurrentIndex(7);
        m_minute[i]->addItems({QStringLiteral("00"), QStringLiteral("30")});
        for (QComboBox *box : {m_year[i], m_month[i], m_day[i], m_minute[i]})
            box->setCurrentIndex(0);
    }
}

bookings::SlotTexts SlotPickers::texts() const
{
    return {m_year[0]->currentText(), m_month[0]->currentText(), m_day[0]->currentText(),
            m_hour[0]->currentText(), m_minute[0]->currentText(), m_year[1]->currentText(),
            m_month[1]->currentText(), m_day[1]->currentText(), m_hour[1]->currentText(),
            m_minute[1]->currentText()};
}

} // namespace quorv
