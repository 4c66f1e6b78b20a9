#pragma once
// Which law the program computes a scenario under: the scenario's own "Law
// Edition", unless /law on the command line chose one for this run.

#include "base/Shell.h"

#include "returnengine/law/LawEdition.h"

#include <string>

namespace tavrel::shell {

// The law the analysis uses now.
osgrin::LawEdition effectiveLaw(const AppState& state);

// The text the main window shows for the law in use, e.g. "Law: Enacted" or
// "Law: Enacted (this run)" when it comes from the command line.
std::string lawStatusText(const AppState& state);

// The user chose a law in the program: a command-line choice ends, and the
// scenario takes the law (and is unsaved when that changed its law).
void ChooseLaw(Shell& shell, osgrin::LawEdition law);

// Shows the law in use in the main window.
void ShowLaw(Shell& shell);

}  // namespace tavrel::shell
