#include "bookings/WalkInScreen.h"

#include "app/Session.h"
#include "bookings/BookingRules.h"
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
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

WalkInScreen::WalkInScreen(Db &db, QWidget *parent) : QWidget(parent), m_db(db)
{
    setObjectName(QStringLiteral("linshiyc"));
    setWindowTitle(QStringLiteral("临时约车"));
    ui::addBackdrop(this);

    auto numbers = [this](const char *name, const char *message) {
        return new ui::NumberBox(QString::fromLatin1(name), QString::fromUtf8(message), ui::NumberBox::Accepts::Number, this);
    };
    auto *receipt = numbers("piaohao", "票号必需都是数字！");
    auto *amount = numbers("jine", "金额必需都是数字！");
    auto *name = ui::textBox(this, QStringLiteral("xingming"));
    auto *phone = numbers("dianhua", "电话号码都是数字的啊！");
    auto *address = ui::textBox(this, QStringLiteral("address"));
    auto *licence = ui::comboBox(this, QStringLiteral("zheng"), {}, false);
    auto *coach = ui::comboBox(this, QStringLiteral("jiaolian"), {}, false);
    auto *model = ui::comboBox(this, QStringLiteral("chexing"), {}, false);
    m_slot = std::make_unique<SlotPickers>(this);
    auto *remark = ui::textBox(this, QStringLiteral("beizhu"));
    auto *enteredBy = ui::readOnlyBox(this, QStringLiteral("luru"), Session::user());
    enteredBy->hide();
    auto *book = ui::button(this, QStringLiteral("tijiao"), QStringLiteral("提交"));
    auto *back = ui::button(this, QStringLiteral("fh"), QStringLiteral("返回"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("票号："), receipt);
    form->addRow(QStringLiteral("金额："), amount);
    form->addRow(QStringLiteral("客户姓名："), name);
    form->addRow(QStringLiteral("联系电话："), phone);
    form->addRow(QStringLiteral("接车地址："), address);
    form->addRow(QStringLiteral("有无证："), licence);
    form->addRow(QStringLiteral("教练："), coach);
    form->addRow(QStringLiteral("车型："), model);
    form->addRow(QStringLiteral("开始时间："), m_slot->startRow());
    form->addRow(QStringLiteral("结束时间："), m_slot->endRow());
    form->addRow(QStringLiteral("备注："), remark);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ui::heading(this, QStringLiteral("临时约车单")));
    layout->addLayout(form);
    layout->addLayout(ui::buttonRow({book, back}));
    ui::chainFields({receipt, amount, name, phone, address, licence, coach, model, remark}, {book});

    connect(book, &QPushButton::clicked, this, &WalkInScreen::book);
    connect(back, &QPushButton::clicked, this, [this] { ui::closeScreen(this); });
    resize(620, 520);
    receipt->setFocus();

    // Without coaches there is nothing to book: say so and leave the lists empty.
    ui::guard(this, [&] {
        const QStringList coaches = reference::names(db, quorv::coaches());
        if (coaches.isEmpty()) {
            ui::warning(this, QStringLiteral("请完善数据，然后使用"));
            return;
        }
        m_haveCoaches = true;
        coach->addItems(coaches);
        model->addItems(reference::names(db, vehicleModels()));
        licence->addItems({QStringLiteral("有证"), QStringLiteral("无证")});
        m_slot->fill(Clock::today());
    });
    // An empty list shows "请选择", which is then the text a booking takes.
    for (QComboBox *list : {coach, model})
        if (list->count() == 0) {
            list->setEditable(true);
            list->setEditText(QStringLiteral("请选择"));
        }
}

WalkInScreen::~WalkInScreen() = default;

QString WalkInScreen::text(const char *control) const
{
    return ui::textOf(findChild<QWidget *>(QString::fromLatin1(control)));
}

void WalkInScreen::book()
{
    ui::guard(this, [this] {
        bookings::WalkInBooking in{m_haveCoaches,  text("piaohao"),  text("jine"),    text("xingming"),
                                   text("dianhua"), text("address"), text("zheng"),   text("jiaolian"),
                                   text("chexing"), text("beizhu"),  text("luru"),    m_slot->texts()};
        Verdict v = bookings::bookWalkIn(m_db, in, Clock::today(), Session::isManager());
        if (v.tone == Verdict::Tone::Question) {
            if (!ui::ask(this, v)) {
                findChild<QWidget *>(v.field)->setFocus();
                return;
            }
            in.phoneConfirmed = true;
            v = bookings::bookWalkIn(m_db, in, Clock::today(), Session::isManager());
        }
        ui::render(this, v);
    });
}

} // namespace quorv
