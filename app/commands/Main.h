#pragma once
// The program's entry: reads the command line, then either performs a silent
// run and ends, or starts the interactive program.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tavrel::shell {

struct AppState;

// Starts the interactive program with the state the command line set up and
// returns its exit status; empty in a build without windows.
using InteractiveStart = std::function<int(AppState& state)>;

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
         const InteractiveStart& interactive = {});

}  // namespace tavrel::shell
