#pragma once

#include <QObject>

namespace quorv {

// F1 in any window of the program opens the manual.
class HelpKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Sends the program an F1 key press, as "详细帮助" does.
    static void pressF1();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace quorv
