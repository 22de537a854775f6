#include "ui/Messages.h"

#include <QMessageBox>

namespace quorv::ui {

namespace {

Messages::Handler &handler()
{
    static Messages::Handler h;
    return h;
}

QMessageBox::Icon boxIcon(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::Warning: return QMessageBox::Warning;
    case Message::Icon::Information: return QMessageBox::Information;
    case Message::Icon::Critical: return QMessageBox::Critical;
    case Message::Icon::Question: return QMessageBox::Question;
    case Message::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

bool Messages::show(QWidget *parent, const Message &message)
{
    if (handler())
        return handler()(message);
    QMessageBox box(boxIcon(message.icon), message.title, message.text,
                    message.yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    const int answer = box.exec();
    return message.yesNo ? answer == QMessageBox::Yes : true;
}

void Messages::setHandler(Handler h)
{
    handler() = std::move(h);
}

void warning(QWidget *parent, const QString &text, const QString &title)
{
    Messages::show(parent, {Message::Icon::Warning, title, text});
}

void notice(QWidget *parent, const QString &text)
{
    Messages::show(parent, {Message::Icon::None, QString(), text});
}

void plain(QWidget *parent, const QString &text, const QString &title)
{
    Messages::show(parent, {Message::Icon::None, title, text});
}

bool question(QWidget *parent, const QString &text)
{
    return Messages::show(parent, {Message::Icon::None, QStringLiteral("信息提示"), text, true});
}

void information(QWidget *parent, const QString &text)
{
    Messages::show(parent, {Message::Icon::Information, QStringLiteral("提示"), text});
}

void critical(QWidget *parent, const QString &text)
{
    Messages::show(parent, {Message::Icon::Critical, QStringLiteral("提示"), text});
}

void numberError(QWidget *parent, const QString &text)
{
    Messages::show(parent, {Message::Icon::Warning, QStringLiteral("错误提示"), text});
}

} // namespace quorv::ui
