#include "ui/input/FieldBinding.h"

namespace tavrel::ui::fields {

QString shownText(std::string_view value, Kind kind) {
    const std::string_view shown = shownValue(value, kind);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

QString boundText(mirvane::AMT& planner, const Field& field) {
    return shownText(readTarget(planner, field).getProperty(field.property), field.kind);
}

}  // namespace tavrel::ui::fields
