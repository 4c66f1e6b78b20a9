#pragma once
// Which law and plan year the program computes a scenario under: the
// scenario's own "Law Edition" and "Plan Year", unless /law or /year on the
// command line chose one for this run.

#include "base/Shell.h"

#include "returnengine/law/LawEdition.h"

#include <cstdint>
#include <string>

namespace tavrel::shell {

// The law the analysis uses now.
osgrin::LawEdition effectiveLaw(const AppState& state);

// The plan year the analysis uses now: the first of the two years shown.
std::int16_t effectivePlanYear(const AppState& state);

// The text the main window shows for the law in use, e.g. "Law: Enacted" or
// "Law: Enacted (this run)" when it comes from the command line.
std::string lawStatusText(const AppState& state);

// The user chose a law in the program: a command-line choice ends, and the
// scenario takes the law (and is unsaved when that changed its law). A law
// that does not plan the plan year in use is refused (380), nothing changed.
void ChooseLaw(Shell& shell, osgrin::LawEdition law);

// The user chose a plan year in the program, in the same way: refused (380)
// when the law in use does not plan it.
void ChoosePlanYear(Shell& shell, std::int16_t year);

// Shows the law in use in the main window.
void ShowLaw(Shell& shell);

}  // namespace tavrel::shell
