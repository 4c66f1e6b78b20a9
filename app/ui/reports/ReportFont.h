#pragma once
// The fonts of the reports: fixed-width, since every report is laid out in
// columns of characters.

#include <QFont>

#include <string>

namespace tavrel::ui {

// The named font at the size; the system's fixed-width font at that size when
// the name does not give a fixed-width font on this system.
QFont monospacedFont(const std::string& name, double pointSize, bool bold = false);

// The report window's font: Courier New, 10 points.
QFont reportWindowFont();

// The printed reports' font: the name and size of the settings, bold. A size
// that is not positive prints at 10 points.
QFont printerReportFont(const std::string& name, double pointSize);

}  // namespace tavrel::ui
