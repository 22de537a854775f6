#include "ui/ScreenHost.h"

#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace quorv::ui {

namespace {

ScreenHost *g_host = nullptr;

QHash<QString, ScreenInfo> &catalog()
{
    static QHash<QString, ScreenInfo> screens;
    return screens;
}

} // namespace

ScreenHost *ScreenHost::instance()
{
    return g_host;
}

void ScreenHost::setInstance(ScreenHost *host)
{
    g_host = host;
}

void ScreenCatalog::add(ScreenInfo info)
{
    const QString name = info.name;
    catalog().insert(name, std::move(info));
}

const ScreenInfo *ScreenCatalog::find(const QString &name)
{
    const auto it = catalog().constFind(name);
    return it == catalog().constEnd() ? nullptr : &it.value();
}

void openEditor(const QString &name, const QSqlRecord &row)
{
    if (!g_host)
        return;
    if (auto *editor = dynamic_cast<RecordEditor *>(g_host->open(name)))
        editor->load(row);
}

void closeScreen(QWidget *screen)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(screen->parentWidget());
    if (!frame) {
        screen->close();
        return;
    }
    // Take the closed frame out of the area at once, so that it no longer counts as open.
    QMdiArea *area = frame->mdiArea();
    if (frame->close() && area && area->subWindowList().contains(frame))
        area->removeSubWindow(frame);
}

void hideScreen(QWidget *screen)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(screen->parentWidget()))
        frame->hide();
    else
        screen->hide();
}

void showScreen(QWidget *screen)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(screen->parentWidget())) {
        frame->show();
        screen->show();
        if (frame->mdiArea())
            frame->mdiArea()->setActiveSubWindow(frame);
    } else {
        screen->show();
        screen->raise();
    }
}

} // namespace quorv::ui
