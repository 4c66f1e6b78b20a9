#pragma once
// The interactive program: the application object, the real dialogs and
// windows, and the controller's start-up, then the event loop.

namespace tavrel::shell {
struct AppState;
}

namespace tavrel::ui {

// Runs the interactive program with the state the command line set up; returns
// its exit status.
int runInteractive(shell::AppState& state, int& argc, char** argv);

}  // namespace tavrel::ui
