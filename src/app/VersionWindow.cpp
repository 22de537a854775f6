#include "app/HowToScreen.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quorv {

VersionWindow::VersionWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("rjbb"));
    setWindowTitle(QStringLiteral("软件版本"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->addWidget(new QLabel(QStringLiteral("3.1版本，又加上了导出EXCEL功能，方便用户查询管理财务"), this));
}

} // namespace quorv
