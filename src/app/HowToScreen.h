#pragma once

#include <QWidget>

namespace quorv {

// `如何使用`: the short how-to, with "详细帮助" opening the manual as F1 does.
class HowToScreen : public QWidget {
    Q_OBJECT
public:
    explicit HowToScreen(QWidget *parent = nullptr);
};

// `rjbb`: the version window, a window of its own.
class VersionWindow : public QWidget {
    Q_OBJECT
public:
    explicit VersionWindow(QWidget *parent = nullptr);
};

// `gybrjian`: about the program.
class AboutScreen : public QWidget {
    Q_OBJECT
public:
    explicit AboutScreen(QWidget *parent = nullptr);
};

} // namespace quorv
