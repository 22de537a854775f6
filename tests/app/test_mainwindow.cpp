#include <QtTest>
class T : public QObject { Q_OBJECT private Q_SLOTS: void none() {} };
QTEST_MAIN(T)
#include "test_mainwindow.moc"
