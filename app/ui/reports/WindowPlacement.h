#pragma once
// Where the report windows appear: centred on their screen, and no larger
// than it.

class QWidget;

namespace tavrel::ui {

// Shrinks the window, frame included, to the screen's available area when it
// is larger, and centres it there. Call once the window is shown (its frame is
// known then).
void centreOnScreen(QWidget& window);

}  // namespace tavrel::ui
