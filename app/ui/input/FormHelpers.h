#pragma once
// Small window routines that several windows use.

class QLineEdit;
class QWidget;

namespace tavrel::ui {

// Selects the whole text of a text box (selection from 0, caret at the end).
void SelectAll(QLineEdit& box);

// Centres a window on its screen: left = (screen width - window width) / 2,
// top = (screen height - window height) / 2. A window not yet shown is first
// given the size its layout asks for.
void CenterForm(QWidget& window);

}  // namespace tavrel::ui
