#include "app/Startup.h"

#include "app/FirstRunDialog.h"
#include "app/HelpKeyFilter.h"
#include "app/LoginScreen.h"
#include "app/MainWindow.h"
#include "app/Screens.h"
#include "data/Db.h"
#include "data/DbFile.h"
#include "data/Errors.h"
#include "data/Schema.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QDir>
#include <QPointer>

#include <memory>

namespace quorv {

int runProgram()
{
    registerScreens();
    auto *helpKey = new HelpKeyFilter(qApp);
    qApp->installEventFilter(helpKey);

    const QString path = QDir::current().absoluteFilePath(QString::fromLatin1(kDatabaseFileName));
    const DbFileCheck check = inspectDatabaseFile(path);
    if (check.state == DbFileCheck::State::Foreign) {
        ui::critical(nullptr, QStringLiteral("文件“%1”不是本程序的数据库：%2\n程序将退出，文件没有任何改动。")
                                  .arg(QDir::toNativeSeparators(path), check.reason));
        return 1;
    }
    if (check.state == DbFileCheck::State::Missing) {
        FirstRunDialog firstRun(path);
        if (firstRun.exec() != QDialog::Accepted)
            return 0;
    }

    std::unique_ptr<Db> db;
    try {
        db = std::make_unique<Db>(path, QStringLiteral("main"));
        schema::create(*db); // tables and indexes that a file of an older version lacks
    } catch (const DbError &e) {
        ui::critical(nullptr, e.text());
        return 1;
    }
    Db::setMain(db.get());

    QApplication::setQuitOnLastWindowClosed(false);
    std::unique_ptr<MainWindow> main;
    auto *login = new LoginScreen(*db);
    login->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(login, &LoginScreen::loggedIn, [&main] {
        main = std::make_unique<MainWindow>();
        main->show();
        main->open(QStringLiteral("huanying"));
    });
    QObject::connect(login, &LoginScreen::abandoned, qApp, [] { QCoreApplication::exit(0); },
                     Qt::QueuedConnection);
    login->show();
    const int code = QApplication::exec();
    main.reset();
    return code;
}

} // namespace quorv
