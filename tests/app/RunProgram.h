#pragma once
// Runs the built program as a separate process and collects what it printed.

#include <string>
#include <vector>

namespace testsupport {

struct ProgramResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// Runs the program with the arguments (no shell involved), in the folder.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingFolder = {});

}  // namespace testsupport
