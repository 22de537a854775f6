#include "bookings/CardBookingScreen.h"

#include "app/Session.h"
#include "bookings/BookingRules.h"
#include "bookings/CardBookingsWindow.h"
#include "bookings/SlotPickers.h"
#include "data/Clock.h"
#include "reference/ReferenceKinds.h"
#include "reference/ReferenceRules.h"
#include "ui/Backdrop.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/Messages.h"
#include "ui/NumberBox.h"
#include "ui/ScreenHost.h"
#include "ui/Verdicts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QVBoxLayout>

namespace quorv {

namespace {

// The card panel: box, label, card column (empty: left empty).
const struct {
    const char *box;
    const char *label;
    const char *column;
} kCardPanel[] = {
    {"xgpiaohao", "票  号：", "piaohao"},   {"xgkahao", "卡号：", "kahao"},
    {"xgxingming", "姓名：", "xingming"},   {"xingbie", "性别：", "sex"},
    {"xgshenfenzheng", "身份证号：", "shenfenzheng"}, {"xgzongshishu", "总时数：", "zongshi"},
    {"xgchexing", "车  型：", "chexing"},   {"xgkaoshi", "考试：", "kaoshi"},
    {"xgbankariqi", "办卡日期：", "bankariqi"}, {"xgdianhua", "电话：", "dianhua"},
    {"xgzhuzhi", "住址：", "zhuzhi"},       {"xgjine", "金  额：", "jine"},
    {"xgjingban", "经办人：", "jingban"},   {"xgluru", "录入人：", "luru"},
    {"xgbeizhu", "备  注：", ""},           {"zhengjian", "有无证：", "zheng"},
    {"yushi", "余时：", "yushi"},
};

} // namespace

CardBookingScreen::CardBookingScreen(Db &db, QWidget *parent) : QWidget(parent), m_db(db)
{
    setObjectName(QStringLiteral("youkayc"));
    setWindowTitle(QStringLiteral("有卡约车"));
    ui::addBackdrop(this);

    // The card, read-only.
    auto *cardFrame = new QGroupBox(this);
    m_kind = new QLabel(cardFrame);
    m_kind->setObjectName(QStringLiteral("kaleiming"));
    m_kind->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto *cardHeading = new QHBoxLayout;
    cardHeading->addWidget(m_kind);
    cardHeading->addWidget(new QLabel(QStringLiteral("信息"), cardFrame));
    cardHeading->addStretch();
    // Two columns of label and box keep the card beside the booking on one screen.
    auto *cardForm = new QGridLayout;
    const int perColumn = (int(std::size(kCardPanel)) + 1) / 2;
    for (int i = 0; i < int(std::size(kCardPanel)); ++i) {
        const auto &field = kCardPanel[i];
        const int row = i % perColumn, column = (i / perColumn) * 2;
        cardForm->addWidget(new QLabel(QString::fromUtf8(field.label), cardFrame), row, column);
        cardForm->addWidget(ui::readOnlyBox(cardFrame, QString::fromLatin1(field.box), {}), row, column + 1);
    }
    auto *cardLayout = new QVBoxLayout(cardFrame);
    cardLayout->addLayout(cardHeading);
    cardLayout->addLayout(cardForm);
    cardLayout->addStretch();

    // The booking.
    auto *bookingFrame = new QGroupBox(QStringLiteral("约车单"), this);
    auto *name = ui::textBox(bookingFrame, QStringLiteral("xingming"));
    auto *phone = new ui::NumberBox(QStringLiteral("dianhua"), QStringLiteral("电话号码都是数字的啊！"),
                                    ui::NumberBox::Accepts::Number, bookingFrame);
    auto *address = ui::textBox(bookingFrame, QStringLiteral("address"));
    m_coach = ui::comboBox(bookingFrame, QStringLiteral("jiaolian"), {}, false);
    m_model = ui::comboBox(bookingFrame, QStringLiteral("chexing"), {}, false);
    m_slot = std::make_unique<SlotPickers>(bookingFrame);
    auto *remark = ui::textBox(bookingFrame, QStringLiteral("beizhu"));
    auto *enteredBy = ui::readOnlyBox(bookingFrame, QStringLiteral("luru"), Session::user());
    enteredBy->hide();
    auto *book = ui::button(bookingFrame, QStringLiteral("tijiao"), QStringLiteral("提交"));
    auto *list = ui::button(bookingFrame, QStringLiteral("ckxq"), QStringLiteral("查看已练车详细详情"));
    auto *back = ui::button(bookingFrame, QStringLiteral("fh"), QStringLiteral("返回"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("客户姓名："), name);
    form->addRow(QStringLiteral("联系电话："), phone);
    form->addRow(QStringLiteral("接车地点："), address);
    form->addRow(QStringLiteral("教练："), m_coach);
    form->addRow(QStringLiteral("车 型："), m_model);
    form->addRow(QStringLiteral("开始时间："), m_slot->startRow());
    form->addRow(QStringLiteral("结束时间："), m_slot->endRow());
    form->addRow(QStringLiteral("备注："), remark);
    auto *bookingLayout = new QVBoxLayout(bookingFrame);
    bookingLayout->addLayout(form);
    bookingLayout->addStretch();
    bookingLayout->addLayout(ui::buttonRow({book, list, back}));

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(cardFrame);
    layout->addWidget(bookingFrame, 1);
    ui::chainFields({name, phone, address, m_coach, m_model, remark}, {book});

    connect(book, &QPushButton::clicked, this, &CardBookingScreen::book);
    connect(list, &QPushButton::clicked, this, &CardBookingScreen::listBookings);
    connect(back, &QPushButton::clicked, this, [this] { ui::closeScreen(this); });
    resize(1040, 460);
}

CardBookingScreen::~CardBookingScreen() = default;

QLineEdit *CardBookingScreen::box(const char *name) const
{
    return findChild<QLineEdit *>(QString::fromLatin1(name));
}

void CardBookingScreen::load(qint64 card)
{
    ui::guard(this, [this, card] {
        const auto found = bookings::cardRow(m_db, card);
        if (!found) {
            ui::warning(this, QStringLiteral("有这个卡吗，请重新检查卡号"), QStringLiteral("提示3"));
            return;
        }
        const QSqlRecord &row = *found;
        for (const auto &field : kCardPanel)
            if (*field.column)
                box(field.box)->setText(row.value(QString::fromLatin1(field.column)).toString());
        m_kind->setText(row.value(QStringLiteral("card_name")).toString());
        box("xingming")->setText(row.value(QStringLiteral("xingming")).toString());
        box("dianhua")->setText(row.value(QStringLiteral("dianhua")).toString());
        m_coach->addItems(reference::names(m_db, coaches()));
        m_model->addItems(reference::names(m_db, vehicleModels()));
        m_slot->fill(Clock::today());
        box("address")->setFocus();
    });
}

void CardBookingScreen::book()
{
    ui::guard(this, [this] {
        const bookings::CardBooking in{box("xgkahao")->text(), box("xingming")->text(), box("dianhua")->text(),
                                       box("address")->text(), m_coach->currentText(), m_model->currentText(),
                                       box("beizhu")->text(), box("luru")->text(), m_slot->texts()};
        ui::render(this, bookings::bookOnCard(m_db, in, Clock::today(), Session::isManager()));
    });
}

void CardBookingScreen::listBookings()
{
    if (auto *window = qobject_cast<CardBookingsWindow *>(ui::ScreenHost::instance()->open(QStringLiteral("lcxx"))))
        window->showCard(box("xgkahao")->text().trimmed());
}

} // namespace quorv
