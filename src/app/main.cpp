#include "app/Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Every text of the program is Chinese; calendars and number formats follow, whatever the system.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // Qt's own buttons and dialogs in Chinese too ("确定", "是", "否"), where the translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QApplication::setApplicationName(QStringLiteral("Quorv汽车陪练软件"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    return quorv::runProgram();
}
