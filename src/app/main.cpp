#include "app/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorv汽车陪练软件"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    return quorv::runProgram();
}
