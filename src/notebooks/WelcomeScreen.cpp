#include "notebooks/WelcomeScreen.h"

#include "data/Clock.h"
#include "notebooks/ReminderCheck.h"
#include "ui/Backdrop.h"
#include "ui/Guard.h"
#include "ui/Messages.h"

#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

namespace quorv {

WelcomeScreen::WelcomeScreen(Db &db, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("huanying"));
    setWindowTitle(QStringLiteral("欢迎进入"));
    ui::addBackdrop(this);

    m_reminder = new QLabel(this);
    m_reminder->setObjectName(QStringLiteral("reminder"));
    m_reminder->setStyleSheet(QStringLiteral("font-size: 16pt; color: #a01010;"));
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(m_reminder, 0, Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(status);
    resize(640, 420);

    ui::guard(this, [this, &db] {
        const QString text = reminderText(dueReminder(db, Clock::today()));
        if (text.isEmpty())
            return;
        ui::warning(this, text);
        m_reminder->setText(text);
    });
}

} // namespace quorv
