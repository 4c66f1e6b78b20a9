#pragma once
// The text a control of the input form shows for its bound property, as Qt text.

#include "input/FieldMapping.h"

#include <QString>

#include <string_view>

namespace tavrel::ui::fields {

QString shownText(std::string_view value, Kind kind);

// The text the field shows for its bound property now.
QString boundText(mirvane::AMT& planner, const Field& field);

}  // namespace tavrel::ui::fields
