// Entry point of the Tavrel program: everything else is in the libraries, so
// that the tests link it all. The windows are a module loaded only when the
// interactive program starts: a silent run or a calculation loads no window
// system library, which is most of a short run's start.
#include "base/AppState.h"
#include "commands/Main.h"

#include <dlfcn.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

// The module sits beside the engines, on the program's library path.
constexpr const char* kWindowsModule = "libtavrel_windows.so";

int startWindows(tavrel::shell::AppState& state, int& argc, char** argv) {
    void* module = dlopen(kWindowsModule, RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::cerr << "tavrel: the program's windows cannot be loaded (" << dlerror()
                  << "); /silent and /calc still run\n";
        return 2;
    }
    using Start = int (*)(tavrel::shell::AppState*, int*, char**);
    const auto start = reinterpret_cast<Start>(dlsym(module, "tavrel_run_interactive"));
    if (!start) {
        std::cerr << "tavrel: " << kWindowsModule << " is not this program's windows (" << dlerror() << ")\n";
        return 2;
    }
    return start(&state, &argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tavrel::shell::Main(args, std::cout, std::cerr,
                               [&](tavrel::shell::AppState& state) { return startWindows(state, argc, argv); });
}
