#pragma once
// Spouse 2's amounts on the input form when the chosen filing status has no
// second spouse. The user who chooses such a status is asked whether to clear
// them; those kept stay in sight, marked, because they still count in the tax.

#include "ui/input/FormLayout.h"

#include "base/Shell.h"

#include <string>
#include <vector>

namespace tavrel::shell {
struct SpouseTwoEntry;
}

namespace tavrel::ui {

// The tooltip of a field whose amount is kept for Spouse 2.
inline constexpr const char* kKeptSpouseTwoTip =
    "Kept for Spouse 2 under a filing status without a second spouse; it still counts in the tax";

// The question for the chosen status (1 to 5): what is entered, and whether to clear it.
std::string clearSpouseTwoQuestion(const std::vector<shell::SpouseTwoEntry>& entries, int filingStatus);

// After the filing-status rule has laid out the form for `filingStatus`: with
// Spouse 2 amounts entered under a status without a second spouse, asks
// whether to clear them (only when `ask`, and only about amounts not already
// kept); Yes clears them in both years' returns and in the fields, No keeps
// them. Kept amounts are shown and marked, with their column captions; every
// other Spouse 2 field loses its mark.
void showKeptSpouseTwo(shell::Shell& shell, const ControlMap& controls, int filingStatus, bool ask);

}  // namespace tavrel::ui
