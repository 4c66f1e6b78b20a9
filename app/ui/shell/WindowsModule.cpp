// The entry of the program's windows, built as a module of its own
// (libtavrel_windows.so) that the program loads only to start the interactive
// program: a silent run or a calculation never loads the window system's
// libraries.
#include "ui/shell/InteractiveMain.h"

#include "base/AppState.h"

extern "C" __attribute__((visibility("default"))) int tavrel_run_interactive(tavrel::shell::AppState* state, int* argc,
                                                                             char** argv) {
    return tavrel::ui::runInteractive(*state, *argc, argv);
}
