#pragma once

class QWidget;

namespace quorv::ui {

// Puts the background picture `Image1` behind a screen's controls, stretched over the whole
// screen whenever it is resized.
QWidget *addBackdrop(QWidget *screen);

} // namespace quorv::ui
