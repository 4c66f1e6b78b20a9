#include "ui/reports/ReportFont.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace tavrel::ui {

QFont monospacedFont(const std::string& name, double pointSize, bool bold) {
    if (!(pointSize > 0)) pointSize = 10;
    QFont font(QString::fromStdString(name));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSizeF(pointSize);
        font.setBold(bold);
    }
    return font;
}

QFont reportWindowFont() { return monospacedFont("Courier New", 10); }

QFont printerReportFont(const std::string& name, double pointSize) {
    return monospacedFont(name.empty() ? std::string("Courier New") : name, pointSize, true);
}

}  // namespace tavrel::ui
