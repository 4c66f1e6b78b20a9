#pragma once
// What the filing status shows on the input form: with one taxpayer the
// spouse-2 controls are hidden and the spouse-1 captions read "Client"; with
// two spouses everything shows. Hidden controls keep their values.

#include "ui/input/FormLayout.h"

#include <cstdint>
#include <string_view>

namespace tavrel::ui {

// The filing status (1 to 5) of a list text; 0 for any other text.
int filingStatusOf(std::string_view listText);

// Sets the visibility and the captions (which name the plan year and the
// next) for the selected list text.
void applyFilingStatusLayout(std::string_view listText, const ControlMap& controls, std::int16_t planYear);

}  // namespace tavrel::ui
