#pragma once
// Where a field of the input form reads and writes: the planner, a return or a
// return's sub-object, always found anew from the current planner (New, Open
// and OK replace it), and the text a field shows for a property's value.

#include "input/FieldTable.h"

#include "common/PropertyBag.h"

#include <string_view>
#include <vector>

namespace mirvane {
class AMT;
}

namespace tavrel::ui::fields {

// The objects a field writes, in order: the current-year and then the
// next-year return for fields bound to both years, otherwise one object.
std::vector<PropertyBag*> writeTargets(mirvane::AMT& planner, const Field& field);

// The object a field is read from: the current-year return for fields bound to
// both years.
PropertyBag& readTarget(mirvane::AMT& planner, const Field& field);

// The text a field shows for a property's value: the value as the object gives
// it, without the trailing blanks for the 50-character fields.
std::string_view shownValue(std::string_view value, Kind kind);

}  // namespace tavrel::ui::fields
