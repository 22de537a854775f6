#include "ui/Backdrop.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

namespace quorv::ui {

namespace {

class Backdrop : public QWidget {
public:
    explicit Backdrop(QWidget *screen) : QWidget(screen)
    {
        setObjectName(QStringLiteral("Image1"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        screen->installEventFilter(this);
        setGeometry(screen->rect());
        lower();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parentWidget() && event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
            lower();
        }
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(rect().topLeft(), rect().bottomRight());
        g.setColorAt(0, QColor(0xe8, 0xf1, 0xfa));
        g.setColorAt(1, QColor(0xc9, 0xdc, 0xef));
        p.fillRect(rect(), g);
    }
};

} // namespace

QWidget *addBackdrop(QWidget *screen)
{
    return new Backdrop(screen);
}

} // namespace quorv::ui
