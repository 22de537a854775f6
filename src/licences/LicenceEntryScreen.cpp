#include "licences/LicenceEntryScreen.h"

#include "app/Session.h"
#include "licences/LicenceEntry.h"
#include "reference/ReferenceKinds.h"
#include "reference/ReferenceRules.h"
#include "ui/Backdrop.h"
#include "ui/Controls.h"
#include "ui/DatePicker.h"
#include "ui/Guard.h"
#include "ui/Messages.h"
#include "ui/NumberBox.h"
#include "ui/Verdicts.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

LicenceEntryScreen::LicenceEntryScreen(Db &db, QWidget *parent) : QWidget(parent), m_db(db)
{
    setObjectName(QStringLiteral("add_zhengjian"));
    setWindowTitle(QStringLiteral("添加证件"));
    ui::addBackdrop(this);

    auto numbers = [this](const char *name, const char *message) {
        return new ui::NumberBox(QString::fromLatin1(name), QString::fromUtf8(message), ui::NumberBox::Accepts::Number, this);
    };
    auto *receipt = numbers("piaohao", "这个是票号请输入合法的数字！");
    auto *name = ui::textBox(this, QStringLiteral("xingming"));
    auto *age = numbers("nianling", "这是年龄请输入合法数字！");
    auto *sex = ui::comboBox(this, QStringLiteral("Combo2"), {QStringLiteral("男"), QStringLiteral("女")}, true);
    auto *identity = numbers("shenfenzheng", "这是身份证号请输入合法数字！");
    auto *file = ui::textBox(this, QStringLiteral("dangan"));
    auto *type = ui::comboBox(this, QStringLiteral("Combo1"), {}, false);
    auto *enrolled = ui::textBox(this, QStringLiteral("baomingriqi"));
    auto *phone = numbers("dianhua", "这是电话号请输入合法数字！");
    auto *address = ui::textArea(this, QStringLiteral("zhuzhi"));
    auto *amount = numbers("jine", "这是金额数请输入合法数字！");
    auto *handler = ui::textBox(this, QStringLiteral("jingban"));
    auto *reviewer = ui::textBox(this, QStringLiteral("shenheren"));
    auto *reviewed = ui::textBox(this, QStringLiteral("shenheriqi"));
    auto *enteredBy = ui::readOnlyBox(this, QStringLiteral("luru"), QString());
    auto *remark = ui::textArea(this, QStringLiteral("beizhu"));
    auto *submit = ui::button(this, QStringLiteral("Command1"), QStringLiteral("提交"));
    auto *enrolCalendar = ui::calendar(this, QStringLiteral("MonthView4"));
    auto *reviewCalendar = ui::calendar(this, QStringLiteral("MonthView3"));
    using P = ui::DatePicker;
    new P(enrolled, enrolCalendar, P::Pick::Click, P::AfterPick::StayShown);
    new P(reviewed, reviewCalendar, P::Pick::Click, P::AfterPick::StayShown);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("票号："), ui::withNote(receipt, QStringLiteral("*只限数字")));
    form->addRow(QStringLiteral("姓名："), name);
    form->addRow(QStringLiteral("年龄："), age);
    form->addRow(QStringLiteral("性别："), sex);
    form->addRow(QStringLiteral("身份证号："), identity);
    form->addRow(QStringLiteral("档案编号："), file);
    form->addRow(QStringLiteral("证件名称："), type);
    form->addRow(QStringLiteral("报名日期："), enrolled);
    form->addRow(QStringLiteral("电话："), phone);
    form->addRow(QStringLiteral("住址："), address);
    form->addRow(QStringLiteral("金额："), ui::withNote(amount, QStringLiteral("元")));
    form->addRow(QStringLiteral("经办人："), handler);
    form->addRow(QStringLiteral("审核人："), reviewer);
    form->addRow(QStringLiteral("审核日期："), reviewed);
    form->addRow(QStringLiteral("录入人："), enteredBy);
    form->addRow(QStringLiteral("备注："), remark);

    auto *side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("报名日期"), this));
    side->addWidget(enrolCalendar);
    side->addWidget(new QLabel(QStringLiteral("审核日期"), this));
    side->addWidget(reviewCalendar);
    side->addStretch();
    auto *body = new QHBoxLayout;
    body->addLayout(form, 1);
    body->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ui::heading(this, QStringLiteral("添 加 证  件")));
    layout->addLayout(body);
    layout->addLayout(ui::buttonRow({submit}));
    ui::chainFields({receipt, name, age, sex, identity, file, type, enrolled, phone, address, amount, handler, reviewer,
                     reviewed, remark},
                    {submit});
    connect(submit, &QPushButton::clicked, this, &LicenceEntryScreen::submit);
    resize(800, 720);
    receipt->setFocus();

    // Without certificate types nothing can be entered: say so, and leave the list and the
    // entered-by box empty.
    ui::guard(this, [&] {
        const QStringList types = reference::names(db, certificateTypes());
        if (types.isEmpty()) {
            ui::warning(this, QStringLiteral("请完善数据，然后使用"));
            return;
        }
        type->addItems(types);
        type->setCurrentIndex(-1);
        enteredBy->setText(Session::user());
    });
}

QString LicenceEntryScreen::text(const char *control) const
{
    return ui::textOf(findChild<QWidget *>(QString::fromLatin1(control)));
}

void LicenceEntryScreen::submit()
{
    ui::guard(this, [this] {
        const LicenceInput in{text("piaohao"),    text("xingming"), text("nianling"), text("Combo2"),
                              text("shenfenzheng"), text("dangan"), text("Combo1"),   text("baomingriqi"),
                              text("dianhua"),    text("zhuzhi"),  text("jingban"),  text("shenheren"),
                              text("shenheriqi"), text("jine"),    text("beizhu"),   text("luru")};
        ui::render(this, enterLicence(m_db, in));
    });
}

} // namespace quorv
