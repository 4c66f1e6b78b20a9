// Entry point of the Tavrel program.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Tavrel 2008.10.0.7");
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("Usage: tavrel [--help] [--version]\n"
                      "Tavrel plans the deferral of state and local taxes between 2008 and 2009\n"
                      "to lower the combined regular tax and alternative minimum tax.");
            return 0;
        }
    }
    std::fputs("tavrel: the interactive program and the silent run are not built yet; try --help\n", stderr);
    return 2;
}
