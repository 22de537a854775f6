#include "app/MainWindow.h"

#include "app/Session.h"
#include "data/Clock.h"
#include "ui/Messages.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace quorv {

namespace {

std::function<void()> &exitHandler()
{
    static std::function<void()> handler = [] { QCoreApplication::exit(0); };
    return handler;
}

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// The hourglass while child windows close.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Quorv软件"));
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    QLinearGradient backdrop(0, 0, 0, 800);
    backdrop.setColorAt(0, QColor(0xdd, 0xe9, 0xf5));
    backdrop.setColorAt(1, QColor(0xa9, 0xc4, 0xe0));
    m_mdi->setBackground(backdrop);
    setCentralWidget(m_mdi);
    buildMenus();
    buildStatusBar();
    resize(1100, 760);
    ScreenHost::setInstance(this);
}

MainWindow::~MainWindow()
{
    if (ScreenHost::instance() == this)
        ScreenHost::setInstance(nullptr);
    for (const auto &w : std::as_const(m_topLevel))
        delete w.data();
}

void MainWindow::setExitHandler(std::function<void()> handler)
{
    exitHandler() = std::move(handler);
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    for (const MenuEntry &entry : menuTable()) {
        if (entry.items.empty()) {
            auto *action = bar->addAction(u(entry.caption));
            action->setObjectName(u(entry.name));
            const MenuItem item{entry.name, entry.caption, entry.command};
            connect(action, &QAction::triggered, this, [this, item] { run(item); });
            continue;
        }
        QMenu *menu = bar->addMenu(u(entry.caption));
        menu->setObjectName(u(entry.name));
        menu->menuAction()->setObjectName(u(entry.name));
        for (const MenuItem &item : entry.items) {
            QAction *action = menu->addAction(u(item.caption));
            action->setObjectName(u(item.name));
            connect(action, &QAction::triggered, this, [this, item] { run(item); });
        }
    }
}

void MainWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const QStringList texts = {QString(), QString(), Session::user(), Session::role(),
                               QStringLiteral("Quorv汽车陪练软件 — 会员、财务、业务一体化管理")};
    for (int i = 0; i < texts.size(); ++i) {
        auto *panel = new QLabel(texts[i], bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(6, 0, 6, 0);
        bar->addPermanentWidget(panel, i == texts.size() - 1 ? 1 : 0);
    }
    m_date = bar->findChild<QLabel *>(QStringLiteral("Panel1"));
    m_time = bar->findChild<QLabel *>(QStringLiteral("Panel2"));
    m_clockTimer = new QTimer(this);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::refreshClock);
    m_clockTimer->start(1000);
    refreshClock();
}

void MainWindow::refreshClock()
{
    const QDateTime now = Clock::now();
    m_date->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    m_time->setText(now.toString(QStringLiteral("HH:mm:ss")));
}

void MainWindow::run(const MenuItem &item)
{
    const QString screen = u(Session::isManager() || !item.otherScreen ? item.screen : item.otherScreen);
    switch (item.command) {
    case Command::Exit:
        exitProgram();
        return;
    case Command::CloseAll:
        closeAll();
        return;
    case Command::KeepOpen:
        open(screen);
        return;
    case Command::Manager:
        if (!Session::isManager()) {
            ui::plain(this, QStringLiteral("你无权操作，超过五次将记录你的名字！"));
            return;
        }
        break;
    case Command::Standard:
    case Command::ByRole:
        break;
    }
    // A command whose screen the program does not have does nothing at all.
    if (!ui::ScreenCatalog::find(screen))
        return;
    closeAll();
    open(screen);
}

QWidget *MainWindow::find(const QString &name) const
{
    for (QMdiSubWindow *frame : m_mdi->subWindowList())
        if (frame->widget() && frame->widget()->objectName() == name)
            return frame->widget();
    return m_topLevel.value(name).data();
}

QWidget *MainWindow::open(const QString &name)
{
    const ui::ScreenInfo *info = ui::ScreenCatalog::find(name);
    if (!info)
        return nullptr;
    if (QWidget *existing = find(name)) {
        ui::showScreen(existing);
        existing->activateWindow();
        return existing;
    }
    QWidget *screen = info->make();
    if (info->placement == ui::Placement::TopLevel) {
        screen->setAttribute(Qt::WA_DeleteOnClose);
        m_topLevel.insert(name, screen);
        screen->show();
        screen->raise();
        screen->activateWindow();
        return screen;
    }
    // A screen that chose its own size keeps it inside the frame.
    const QSize wanted = screen->testAttribute(Qt::WA_Resized) ? screen->size() : screen->sizeHint();
    QMdiSubWindow *frame = m_mdi->addSubWindow(screen);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(windowIcon());
    screen->show();
    frame->show();
    // Never larger than the area, and wholly inside it.
    const QSize area = m_mdi->viewport()->size();
    frame->resize((wanted + (frame->size() - screen->size())).boundedTo(area));
    if (!QRect(QPoint(0, 0), area).contains(frame->geometry()))
        frame->move(qMax(0, (area.width() - frame->width()) / 2), qMax(0, (area.height() - frame->height()) / 2));
    m_mdi->setActiveSubWindow(frame);
    return screen;
}

void MainWindow::closeAll()
{
    BusyCursor busy;
    // One at a time, always the active one; a screen that refuses to close stops the round.
    // Hidden screens are not windows the user sees: they stay loaded, as they were.
    const auto shown = [this] {
        QList<QMdiSubWindow *> frames;
        for (QMdiSubWindow *frame : m_mdi->subWindowList())
            if (!frame->isHidden())
                frames << frame;
        return frames;
    };
    for (auto frames = shown(); !frames.isEmpty(); frames = shown()) {
        QMdiSubWindow *frame = m_mdi->activeSubWindow();
        if (!frame || !frames.contains(frame))
            frame = frames.constLast();
        ui::closeScreen(frame->widget() ? frame->widget() : frame);
        if (m_mdi->subWindowList().contains(frame) && !frame->isHidden())
            break;
    }
}

void MainWindow::exitProgram()
{
    exitHandler()();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    closeAll();
    event->accept();
    exitProgram();
}

} // namespace quorv
