#include "bookings/CardBookingsWindow.h"

#include "data/Criteria.h"
#include "data/Parse.h"
#include "ui/Controls.h"
#include "ui/DataGrid.h"
#include "ui/Guard.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

CardBookingsWindow::CardBookingsWindow(Db &db, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("lcxx"));
    setWindowTitle(QStringLiteral("约车查询表"));
    const char *columns[][2] = {{"id", "id"},           {"kahao", "卡号"},      {"card_name", "卡类名字"},
                                {"chexing", "车型"},     {"jiaolian", "教练"},   {"xingming", "姓名"},
                                {"dianhua", "电话"},     {"address", "地址"},    {"s_date", "开始时间"},
                                {"e_date", "结束时间"},  {"shichang", "时常"},   {"gongsi", "公司"},
                                {"luru", "录入人"},      {"beizhu", "beizhu"},   {"jine", "jine"},
                                {"addtime", "addtime"},  {"yushi", "yushi"},     {"zheng", "证件"},
                                {"piaohao", "票号"},     {"kaoshi", "考试"},     {"xiugairen", "修改人"},
                                {"xgtime", "修改时间"}};
    QList<GridColumn> grid;
    for (const auto &c : columns)
        grid.append({QString::fromUtf8(c[1]), QString::fromLatin1(c[0])});
    m_grid = new ui::DataGrid(db, grid, this);
    auto *close = ui::button(this, QStringLiteral("gb"), QStringLiteral("关闭"));
    auto *back = ui::button(this, QStringLiteral("fh"), QStringLiteral("返回"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(ui::buttonRow({close, back}));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    resize(1000, 420);
}

void CardBookingsWindow::showCard(const QString &card)
{
    ui::guard(this, [this, &card] {
        Criteria bookings(QStringLiteral("yueche"));
        bookings.equals(QStringLiteral("kahao"), parse::wholeNumber(card).value_or(-1));
        m_grid->setQuery(bookings);
    });
}

} // namespace quorv
