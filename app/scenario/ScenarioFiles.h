#pragma once
// The program's side of scenario files: clearing all data, New, Open, Save and
// Save As, the commit of the input form, and the saved flag.
//
// A save writes the planner's section and all four return sections every
// time, whatever the objects' flags, in one atomic replacement of the file;
// a failed save leaves the old file as it was. An open refuses a file that
// cannot be read or holds none of the scenario sections.

#include "base/Shell.h"

#include <functional>
#include <string>
#include <string_view>

namespace tavrel::shell {

// A fresh planner with four fresh returns numbered 1 to 4.
void ClearAllData(Shell& shell);

enum class OpenResult { Opened, Cancelled, Missing };

// Opens a scenario (an empty name asks for one). Loads into the current planner
// and returns, which keep what the file does not hold. A missing file is
// reported and leaves everything as it was; a file that cannot be read or is
// not a scenario raises.
OpenResult OpenFile(Shell& shell, std::string_view name);

// Saves the whole scenario to the file; the objects leave edit mode. An empty
// name asks for one (Save As). Over a file that changed on disk since this
// program last read or wrote it, asks first: Overwrite, Save As or Cancel.
// False when nothing was saved because the user cancelled.
bool Save(Shell& shell, std::string_view name);

// Asks for a name, then saves; false when cancelled.
bool SaveAs(Shell& shell);

// The New command: a fresh scenario named UNTITLED.AMT in the data folder;
// `showInputForm` shows the input form.
bool NewFile(Shell& shell, const std::function<void()>& showInputForm);

// The input form's OK: save (Save As without a current file), rebuild the
// objects empty and read them back; false when the save was cancelled.
bool GetInputs(Shell& shell);

// A chosen name without an extension gets ".amt".
std::string withScenarioExtension(const std::string& file);
// The file's name as messages show it ("Untitled" without one).
std::string displayName(const std::string& file);

// The folder part of a full file name (no trailing separator).
std::string GetPath(std::string_view fullName);
// True when the name finds an entry in the file system.
bool FileExists(std::string_view name);

// Whether the file is a scenario: it holds at least one of the sections AMT,
// Scenario1 and Scenario2 (reading it raises when it cannot be read).
bool isScenarioFile(const std::string& path);

}  // namespace tavrel::shell
