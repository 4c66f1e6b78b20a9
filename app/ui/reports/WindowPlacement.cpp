#include "ui/reports/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tavrel::ui {

void centreOnScreen(QWidget& window) {
    QScreen* s = window.screen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    const QSize frameExtra = window.frameGeometry().size() - window.size();
    const QSize most = avail.size() - frameExtra;
    if (window.width() > most.width() || window.height() > most.height())
        window.resize(std::min(window.width(), most.width()), std::min(window.height(), most.height()));
    QRect frame = window.frameGeometry();
    frame.moveCenter(avail.center());
    window.move(frame.topLeft());
}

}  // namespace tavrel::ui
