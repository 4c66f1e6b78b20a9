#pragma once
// The five most recent scenario files: in memory, in the settings file
// ("User Preferences", "File 1" to "File 5") and in the File menu.

#include "base/Shell.h"

#include <string_view>

namespace tavrel::shell {

// With an empty name: loads the list from the settings file into memory and the
// menu. With a name: shifts it in at the top unless an entry already contains it.
void MaintMRUList(Shell& shell, std::string_view name);

}  // namespace tavrel::shell
