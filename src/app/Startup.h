#pragma once

#include <QString>

namespace quorv {

// Runs the program in the current folder: checks "pazo.dll" (creating it on first run, refusing
// a file that is not this program's), shows the login, then the main window with the welcome
// screen. Returns the exit code.
int runProgram();

} // namespace quorv
