#pragma once

#include <vector>

namespace quorv {

// What a menu command does before it opens its screen.
enum class Command {
    Standard, // close every child window, then open the screen
    Manager,  // refused to anyone but the manager, otherwise Standard
    ByRole,   // Standard; the manager gets `screen`, everyone else `otherScreen`
    KeepOpen, // open the screen without closing anything
    CloseAll, // close every child window, open nothing
    Exit,     // end the program at once
};

struct MenuItem {
    const char *name;    // the QAction's objectName
    const char *caption;
    Command command;
    const char *screen = nullptr;
    const char *otherScreen = nullptr;
};

// A top-level entry: either a menu of items, or (without items) a command of its own.
struct MenuEntry {
    const char *name;
    const char *caption;
    std::vector<MenuItem> items;
    Command command = Command::Standard;
};

const std::vector<MenuEntry> &menuTable();

} // namespace quorv
