#include "app/HowToScreen.h"

#include "ui/Backdrop.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quorv {

AboutScreen::AboutScreen(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("gybrjian"));
    setWindowTitle(QStringLiteral("关于本软件"));
    ui::addBackdrop(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 20);
    auto *heading = new QLabel(QStringLiteral("关于本软件:"), this);
    heading->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    layout->addWidget(heading);
    layout->addWidget(new QLabel(QStringLiteral("版本号：3.0.3.0"), this));
    const QStringList paragraphs = {
        QStringLiteral("本软件是为汽车陪练公司设计的会员、财务、业务一体化管理软件。"),
        QStringLiteral("它支持多个营业点、多种业务和多个合作单位，可以按营业点、按时间段、按教练分别核算。"),
        QStringLiteral("责任分明：每条记录录入一定时间之后就不能随意修改，谁录入、谁修改都有记录。"),
        QStringLiteral("卡内没有余额的，必须先交费，才能在卡上继续录入业务。"),
    };
    for (const QString &p : paragraphs) {
        auto *label = new QLabel(p, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch();
    resize(560, 340);
}

} // namespace quorv
