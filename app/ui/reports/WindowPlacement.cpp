#include "ui/reports/WindowPlacement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace tavrel::ui {
namespace {

// Makes the window, frame included, no larger than `most` (the frame is added).
void shrinkTo(QWidget& window, QSize most) {
    most -= window.frameGeometry().size() - window.size();
    if (window.width() > most.width() || window.height() > most.height())
        window.resize(std::min(window.width(), most.width()), std::min(window.height(), most.height()));
}

// The height of the window's title bar: its frame above the contents, and no
// less than the style's title bar (some window systems report no frame).
int titleBarHeight(const QWidget& window) {
    const int frameTop = window.geometry().top() - window.frameGeometry().top();
    return std::max(frameTop, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window));
}

}  // namespace

void centreOnScreen(QWidget& window) {
    QScreen* s = window.screen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    shrinkTo(window, avail.size());
    QRect frame = window.frameGeometry();
    frame.moveCenter(avail.center());
    window.move(frame.topLeft());
}

void WindowCascade::place(QWidget& window) {
    QScreen* s = window.screen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    const int step = titleBarHeight(window);
    // Room below and right of the first window for the rest of the run's.
    const int room = step * (kRunWindows - 1);
    shrinkTo(window, avail.size() - QSize(room, room));
    QRect frame = window.frameGeometry();
    if (placed_ == 0) {
        // Centred as a lone window, but moved up and left as far as the rest
        // of the run needs to stay on the screen.
        frame.moveCenter(avail.center());
        const QPoint latest =
            avail.bottomRight() + QPoint(1, 1) - QPoint(frame.width(), frame.height()) - QPoint(room, room);
        frame.moveTopLeft(QPoint(std::max(avail.left(), std::min(frame.left(), latest.x())),
                                 std::max(avail.top(), std::min(frame.top(), latest.y()))));
    } else {
        frame.moveTopLeft(next_);
        if (!avail.contains(frame)) frame.moveTopLeft(avail.topLeft());
    }
    window.move(frame.topLeft());
    next_ = frame.topLeft() + QPoint(step, step);
    ++placed_;
}

}  // namespace tavrel::ui
