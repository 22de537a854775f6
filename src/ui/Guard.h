#pragma once

#include <functional>

class QWidget;

namespace quorv::ui {

// Runs one user action. An engine failure is shown in a critical box with the engine's text, a
// value its column cannot hold in a warning; either way the action stops and the program goes on.
// True when the action ran to its end.
bool guard(QWidget *parent, const std::function<void()> &action);

} // namespace quorv::ui
