// Entry point of the Tavrel program: everything else is in the libraries, so
// that the tests link it all. A silent run never creates the application
// object, so it needs no display.
#include "InteractiveMain.h"
#include "Main.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tavrel::shell::Main(args, std::cout, std::cerr,
                               [&](tavrel::shell::AppState& state) { return tavrel::ui::runInteractive(state, argc, argv); });
}
