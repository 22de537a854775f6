#pragma once

#include "app/MenuTable.h"
#include "ui/ScreenHost.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QLabel;
class QMdiArea;
class QTimer;

namespace quorv {

// `MDIForm1`: the frame that holds every child screen, the whole menu and the status bar. It only
// wires menu commands to screens; each screen is its own class.
class MainWindow : public QMainWindow, public ui::ScreenHost {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    QWidget *open(const QString &name) override;
    QWidget *find(const QString &name) const override;
    void closeAll() override;

    QMdiArea *mdiArea() const { return m_mdi; }

    // How the program ends on "退出系统", "退出" and closing this window (tests replace it).
    static void setExitHandler(std::function<void()> handler);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void refreshClock();
    void run(const MenuItem &item);
    void exitProgram();

    QMdiArea *m_mdi = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_time = nullptr;
    QTimer *m_clockTimer = nullptr;
    QHash<QString, QPointer<QWidget>> m_topLevel;
};

} // namespace quorv
