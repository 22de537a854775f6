#pragma once

#include <QSqlRecord>
#include <QString>

#include <functional>

class QWidget;

namespace quorv::ui {

// Where screens live. The main window is the host; screens open further screens through it
// (a query screen its result screen, a prompt its booking screen) and close themselves with
// closeScreen().
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    // Opens the named screen (or brings the open one forward); null when it does not exist.
    virtual QWidget *open(const QString &name) = 0;
    // The open instance of the named screen, or null.
    virtual QWidget *find(const QString &name) const = 0;
    // Closes every child window, always the active one first.
    virtual void closeAll() = 0;

    static ScreenHost *instance();
    static void setInstance(ScreenHost *host);
};

// How a screen is shown: as a child window of the main window or as a window of its own.
enum class Placement { Child, TopLevel };

struct ScreenInfo {
    QString name;
    Placement placement = Placement::Child;
    std::function<QWidget *()> make;
};

// The screens the program knows, by objectName.
class ScreenCatalog {
public:
    static void add(ScreenInfo info);
    static const ScreenInfo *find(const QString &name);
};

// A screen that edits one row, handed over by the list that opens it.
class RecordEditor {
public:
    virtual ~RecordEditor() = default;
    virtual void load(const QSqlRecord &row) = 0;
};

// Opens the named edit screen (a RecordEditor) on the row.
void openEditor(const QString &name, const QSqlRecord &row);

// Closes a screen, together with the child-window frame that holds it.
void closeScreen(QWidget *screen);
// Hides a screen (with its frame) without closing it: it keeps its state, survives "close all",
// and opening it again shows it as it was.
void hideScreen(QWidget *screen);
void showScreen(QWidget *screen);

} // namespace quorv::ui
