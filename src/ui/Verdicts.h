#pragma once

#include "records/Verdict.h"

class QWidget;

namespace quorv::ui {

// Shows a verdict on its screen: the message in its style, the focus (and emptying) of the named
// control, and the closing of the screen.
void render(QWidget *screen, const Verdict &verdict);
// Asks a verdict's question (Yes/No, no icon, its title); true for Yes.
bool ask(QWidget *screen, const Verdict &verdict);

} // namespace quorv::ui
