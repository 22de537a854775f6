#include "cards/CardIssueScreen.h"

#include "app/Session.h"
#include "cards/CardIssue.h"
#include "cards/CardKinds.h"
#include "reference/ReferenceKinds.h"
#include "reference/ReferenceRules.h"
#include "ui/Backdrop.h"
#include "ui/Controls.h"
#include "ui/DatePicker.h"
#include "ui/Guard.h"
#include "ui/NumberBox.h"
#include "ui/Verdicts.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

CardIssueScreen::CardIssueScreen(const CardKind &kind, Db &db, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_db(db)
{
    setObjectName(kind.screen);
    setWindowTitle(kind.caption);
    ui::addBackdrop(this);

    auto numbers = [this](const char *name, const char *message) {
        return new ui::NumberBox(QString::fromLatin1(name), QString::fromUtf8(message), ui::NumberBox::Accepts::Number, this);
    };
    auto *receipt = numbers("piaohao", "这个是票号请输入合法的数字！");
    auto *card = numbers("kahao", "这是卡号请输入合法数字！");
    auto *name = ui::textBox(this, QStringLiteral("xingming"));
    auto *sex = ui::comboBox(this, QStringLiteral("Combo2"), {QStringLiteral("男"), QStringLiteral("女")}, true);
    auto *identity = numbers("shenfenzheng", "这是身份证号请输入合法数字！");
    auto *hours = numbers("zongshishu", "这是总时数请输入合法数字！");
    auto *model = ui::comboBox(this, QStringLiteral("Combo1"), {}, true);
    auto *exam = ui::textBox(this, QStringLiteral("kaoshi"));
    auto *issued = ui::textBox(this, QStringLiteral("bankariqi"));
    auto *phone = numbers("dianhua", "这是电话号请输入合法数字！");
    auto *address = ui::textBox(this, QStringLiteral("zhuzhi"));
    auto *amount = numbers("jine", "这是金额数请输入合法数字！");
    auto *handler = ui::textBox(this, QStringLiteral("jingban"));
    auto *enteredBy = ui::readOnlyBox(this, QStringLiteral("lururen"), Session::user());
    auto *remark = ui::textBox(this, QStringLiteral("beizhu"));
    auto *licence = ui::comboBox(this, QStringLiteral("Combo3"), {QStringLiteral("无证"), QStringLiteral("有证")}, false);
    auto *submit = ui::button(this, QStringLiteral("tijiao"), QStringLiteral("提交"));
    auto *calendar = ui::calendar(this, QStringLiteral("MonthView1"));
    new ui::DatePicker(issued, calendar, ui::DatePicker::Pick::Click, ui::DatePicker::AfterPick::StayShown);

    // The models in table order, the first selected; an empty list shows the prompt instead.
    ui::guard(this, [&] { model->addItems(reference::names(db, vehicleModels())); });
    if (model->count() == 0)
        model->setEditText(QStringLiteral("请选择车型"));

    const QString hint = QStringLiteral("*只限数字  填错不能修改，只能删除重新填写 ");
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("票  号："), ui::withNote(receipt, hint));
    form->addRow(QStringLiteral("卡  号："), ui::withNote(card, hint));
    form->addRow(QStringLiteral("姓  名："), name);
    form->addRow(QStringLiteral("性  别："), sex);
    form->addRow(QStringLiteral("身份证号："), identity);
    form->addRow(QStringLiteral("总时数："), hours);
    form->addRow(QStringLiteral("车  型："), model);
    form->addRow(QStringLiteral("考  试："), exam);
    form->addRow(QStringLiteral("办卡日期："), kind.showsDateHint ? ui::withNote(issued, QStringLiteral("*日期格式2010-7-15")) : issued);
    form->addRow(QStringLiteral("电  话："), phone);
    form->addRow(QStringLiteral("住  址："), address);
    form->addRow(QStringLiteral("金  额："), amount);
    form->addRow(QStringLiteral("经办人："), handler);
    form->addRow(QStringLiteral("录入人："), enteredBy);
    form->addRow(QStringLiteral("备  注："), remark);
    form->addRow(QStringLiteral("驾驶证："), licence);

    auto *side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("办卡日期"), this));
    side->addWidget(calendar);
    side->addStretch();
    auto *body = new QHBoxLayout;
    body->addLayout(form, 1);
    body->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ui::heading(this, kind.heading));
    layout->addLayout(body);
    layout->addLayout(ui::buttonRow({submit}));
    ui::chainFields({receipt, card, name, sex, identity, hours, model, exam, issued, phone, address, amount, handler,
                     remark, licence},
                    {submit});

    connect(submit, &QPushButton::clicked, this, &CardIssueScreen::submit);
    receipt->setFocus();
    resize(780, 640);
}

QString CardIssueScreen::text(const char *control) const
{
    return ui::textOf(findChild<QWidget *>(QString::fromLatin1(control)));
}

void CardIssueScreen::submit()
{
    ui::guard(this, [this] {
        const CardInput in{text("piaohao"), text("kahao"),    text("xingming"), text("Combo2"),
                           text("shenfenzheng"), text("zongshishu"), text("Combo1"), text("kaoshi"),
                           text("bankariqi"), text("dianhua"), text("zhuzhi"), text("jine"),
                           text("jingban"), text("lururen"), text("beizhu"), text("Combo3")};
        ui::render(this, issueCard(m_db, m_kind, in));
    });
}

} // namespace quorv
