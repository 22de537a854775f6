#include "app/HelpKeyFilter.h"

#include "app/HelpWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quorv {

bool HelpKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1
        && static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier) {
        HelpWindow::showHelp();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void HelpKeyFilter::pressF1()
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target) {
        const auto windows = QApplication::topLevelWidgets();
        if (windows.isEmpty())
            return;
        target = windows.constFirst();
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

} // namespace quorv
