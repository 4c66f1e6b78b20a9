#pragma once
// What the shell routines work with: the run-wide state, the dialogs, the error
// reporter, and the main window's parts they update (none in a silent run).

#include "base/AppState.h"
#include "base/Dialogs.h"
#include "base/ShellView.h"

#include "common/ErrorReporter.h"

#include <string>

namespace tavrel::shell {

struct Shell {
    AppState& state;
    DialogService& dialogs;
    ErrorReporter& errors;
    ShellView& view;
};

}  // namespace tavrel::shell
