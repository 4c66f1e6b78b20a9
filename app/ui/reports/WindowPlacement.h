#pragma once
// Where the report windows appear: a lone window centred on its screen, the
// windows of one report run cascaded from there; none larger than the screen.

#include <QPoint>

class QWidget;

namespace tavrel::ui {

// Shrinks the window, frame included, to the screen's available area when it
// is larger, and centres it there. Call once the window is shown (its frame is
// known then).
void centreOnScreen(QWidget& window);

// The places of the windows of one report run, so that they can be seen side
// by side: the first where a lone window would be, each next one a title bar's
// height down and right of the one before. The windows stay on the screen's
// available area: they are made small enough for a run's windows to step down
// and right, and one that would leave it starts again at its top left.
class WindowCascade {
public:
    // The windows a run opens at most: the three reports and the graph.
    static constexpr int kRunWindows = 4;

    // The next window placed is the first of a new run.
    void restart() { placed_ = 0; }
    // Places the window (call once it is shown) at the next place.
    void place(QWidget& window);

private:
    int placed_ = 0;
    QPoint next_;
};

}  // namespace tavrel::ui
