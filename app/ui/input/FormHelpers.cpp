#include "ui/input/FormHelpers.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace tavrel::ui {

void SelectAll(QLineEdit& box) { box.setSelection(0, static_cast<int>(box.text().size())); }

void CenterForm(QWidget& window) {
    if (!window.isVisible()) window.adjustSize();
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    window.move(area.left() + (area.width() - window.width()) / 2, area.top() + (area.height() - window.height()) / 2);
}

}  // namespace tavrel::ui
