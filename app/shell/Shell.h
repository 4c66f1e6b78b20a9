#pragma once
// What the shell routines work with: the run-wide state, the dialogs, the error
// reporter, and the main window's parts they update (none in a silent run).

#include "AppState.h"
#include "Dialogs.h"
#include "ShellView.h"

#include "ErrorReporter.h"

#include <string>

namespace tavrel::shell {

struct Shell {
    AppState& state;
    DialogService& dialogs;
    ErrorReporter& errors;
    ShellView& view;
};

}  // namespace tavrel::shell
