#include "app/HowToScreen.h"

#include "app/HelpKeyFilter.h"
#include "ui/Backdrop.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

HowToScreen::HowToScreen(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("如何使用"));
    setWindowTitle(QStringLiteral("如何使用"));
    ui::addBackdrop(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    const QStringList lines = {
        QStringLiteral("使用方法："),
        QStringLiteral("第一步，经理权限进入，添加员工，票号区间，卡号区间（区间都不一定连续），经理也可以把车型及教练添加进去，也可以由员工添加。"),
        QStringLiteral("第二步就是具体业务了，员工每发生一个业务，都得在经理授权的范围内进行，首先是开票办卡，或是开票约车，或是开票办证。这业务就正常进行了。"),
        QStringLiteral("任意界面，按F1，均可出现帮助界面"),
    };
    for (const QString &line : lines) {
        auto *label = new QLabel(line, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto *more = new QPushButton(QStringLiteral("详细帮助"), this);
    more->setObjectName(QStringLiteral("xx"));
    layout->addStretch();
    layout->addWidget(more, 0, Qt::AlignRight);
    connect(more, &QPushButton::clicked, this, [] { HelpKeyFilter::pressF1(); });
    resize(560, 300);
}

} // namespace quorv
