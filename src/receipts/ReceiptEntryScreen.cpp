#include "receipts/ReceiptEntryScreen.h"

#include "app/Session.h"
#include "receipts/ReceiptEntry.h"
#include "ui/Backdrop.h"
#include "ui/Controls.h"
#include "ui/DatePicker.h"
#include "ui/Guard.h"
#include "ui/NumberBox.h"
#include "ui/Verdicts.h"

#include <QCalendarWidget>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

ReceiptEntryScreen::ReceiptEntryScreen(Db &db, QWidget *parent) : QWidget(parent), m_db(db)
{
    setObjectName(QStringLiteral("add_piaoju"));
    setWindowTitle(QStringLiteral("添加票据"));
    ui::addBackdrop(this);

    auto *number = new ui::NumberBox(QStringLiteral("piaohao"), QStringLiteral("票号请输入数字！"),
                                     ui::NumberBox::Accepts::Number, this);
    auto *name = ui::textBox(this, QStringLiteral("xingming"));
    auto *item = ui::textBox(this, QStringLiteral("xiangmu"));
    auto *description = ui::textArea(this, QStringLiteral("shuoming"));
    auto *phone = new ui::NumberBox(QStringLiteral("dianhua"), QStringLiteral("电话号码请输入数字！"),
                                    ui::NumberBox::Accepts::Number, this);
    auto *amount = new ui::NumberBox(QStringLiteral("jine"), QStringLiteral("金额请输入数字！"),
                                     ui::NumberBox::Accepts::Number, this);
    auto *handler = ui::textBox(this, QStringLiteral("jingban"));
    auto *writer = ui::textBox(this, QStringLiteral("kaipiaoren"));
    auto *auditor = ui::textBox(this, QStringLiteral("shenheren"));
    auto *audited = ui::textBox(this, QStringLiteral("shenheriqi"));
    auto *written = ui::textBox(this, QStringLiteral("kaipiaoriqi"));
    auto *enteredBy = ui::readOnlyBox(this, QStringLiteral("luru"), Session::user());
    auto *submit = ui::button(this, QStringLiteral("Command1"), QStringLiteral("提交"));

    auto *auditCalendar = ui::calendar(this, QStringLiteral("MonthView1"));
    auto *writtenCalendar = ui::calendar(this, QStringLiteral("MonthView2"));
    using P = ui::DatePicker;
    new P(audited, auditCalendar, P::Pick::DoubleClick, P::AfterPick::Hide);
    new P(written, writtenCalendar, P::Pick::DoubleClick, P::AfterPick::Hide);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("票号："), ui::withNote(number, QStringLiteral("*只限数字（填错不能修改，只能删除）")));
    form->addRow(QStringLiteral("客户姓名："), name);
    form->addRow(QStringLiteral("项目名称："), item);
    form->addRow(QStringLiteral("项目说明："), description);
    form->addRow(QStringLiteral("联系方式："), phone);
    form->addRow(QStringLiteral("金额："), ui::withNote(amount, QStringLiteral("元")));
    form->addRow(QStringLiteral("经办人："), handler);
    form->addRow(QStringLiteral("开票人："), writer);
    form->addRow(QStringLiteral("审核人："), auditor);
    form->addRow(QStringLiteral("审核日期："), audited);
    form->addRow(QStringLiteral("开票日期："), written);
    form->addRow(QStringLiteral("录入人："), enteredBy);

    auto *calendars = new QVBoxLayout;
    calendars->addWidget(new QLabel(QStringLiteral("审核日期"), this));
    calendars->addWidget(auditCalendar);
    calendars->addWidget(new QLabel(QStringLiteral("开票日期"), this));
    calendars->addWidget(writtenCalendar);
    calendars->addStretch();
    auto *body = new QHBoxLayout;
    body->addLayout(form, 1);
    body->addLayout(calendars);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ui::heading(this, QStringLiteral("添 加 票  据")));
    layout->addLayout(body);
    layout->addLayout(ui::buttonRow({submit}));
    ui::chainFields({number, name, item, description, phone, amount, handler, writer, auditor, audited, written}, {submit});

    connect(submit, &QPushButton::clicked, this, &ReceiptEntryScreen::submit);
    number->setFocus();
    resize(760, 600);
}

QString ReceiptEntryScreen::text(const char *control) const
{
    return ui::textOf(findChild<QWidget *>(QString::fromLatin1(control)));
}

void ReceiptEntryScreen::submit()
{
    ui::guard(this, [this] {
        const ReceiptInput in{text("piaohao"),  text("xingming"),   text("xiangmu"),    text("shuoming"),
                              text("jine"),     text("dianhua"),    text("jingban"),    text("kaipiaoren"),
                              text("shenheren"), text("shenheriqi"), text("kaipiaoriqi"), text("luru")};
        ui::render(this, enterReceipt(m_db, in));
    });
}

} // namespace quorv
