#include "bookings/CardPromptScreen.h"

#include "bookings/BookingRules.h"
#include "bookings/CardBookingScreen.h"
#include "ui/Backdrop.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/Messages.h"
#include "ui/ScreenHost.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

CardPromptScreen::CardPromptScreen(Db &db, QWidget *parent) : QWidget(parent), m_db(db)
{
    setObjectName(QStringLiteral("kaleiyc"));
    setWindowTitle(QStringLiteral("卡类约车"));
    ui::addBackdrop(this);

    m_card = ui::textBox(this, QStringLiteral("kahao"));
    auto *submit = ui::button(this, QStringLiteral("tijiao"), QStringLiteral("提交"));
    auto *walkIn = ui::button(this, QStringLiteral("lsyc"), QStringLiteral("临时约车"));
    auto *back = ui::button(this, QStringLiteral("fanhui"), QStringLiteral("返回"));

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("请输入卡号："), this));
    row->addWidget(m_card, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ui::heading(this, QStringLiteral("卡类约车")));
    layout->addLayout(row);
    layout->addWidget(ui::linkLabel(this, QStringLiteral("Label2"), QStringLiteral("如果无卡，请点击临时约车"),
                                    [this] { this->walkIn(); }));
    layout->addLayout(ui::buttonRow({submit, walkIn, back}));

    connect(submit, &QPushButton::clicked, this, &CardPromptScreen::lookUp);
    connect(m_card, &QLineEdit::returnPressed, this, &CardPromptScreen::lookUp);
    connect(walkIn, &QPushButton::clicked, this, &CardPromptScreen::walkIn);
    connect(back, &QPushButton::clicked, this, [this] { ui::closeScreen(this); });
    m_card->setFocus();
    resize(420, 200);
}

void CardPromptScreen::lookUp()
{
    if (m_card->text().isEmpty()) {
        ui::warning(this, QStringLiteral("卡号不可为空，如果无卡，请点临时约车"), QStringLiteral("提示3"));
        return;
    }
    std::optional<qint64> card;
    if (!ui::guard(this, [this, &card] { card = bookings::findCard(m_db, m_card->text()); }))
        return;
    if (!card) {
        ui::warning(this, QStringLiteral("有这个卡吗，请重新检查卡号"), QStringLiteral("提示3"));
        return;
    }
    if (auto *booking = qobject_cast<CardBookingScreen *>(ui::ScreenHost::instance()->open(QStringLiteral("youkayc"))))
        booking->load(*card);
    ui::closeScreen(this);
}

void CardPromptScreen::walkIn()
{
    ui::ScreenHost::instance()->open(QStringLiteral("linshiyc"));
    ui::closeScreen(this);
}

} // namespace quorv
