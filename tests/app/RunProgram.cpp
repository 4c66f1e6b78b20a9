#include "RunProgram.h"

#include "TempDir.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testsupport {

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingFolder) {
    TempDir capture;
    const std::string outFile = capture.file("out"), errFile = capture.file("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    std::vector<std::string> argvStrings{program};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argvStrings) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::string previous;
    if (!workingFolder.empty()) {
        char buf[4096];
        previous = ::getcwd(buf, sizeof buf) ? buf : "";
        if (::chdir(workingFolder.c_str()) != 0) return {};
    }
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    if (!workingFolder.empty() && ::chdir(previous.c_str()) != 0) return {};
    posix_spawn_file_actions_destroy(&actions);
    ProgramResult r;
    if (rc != 0) return r;
    int status = 0;
    ::waitpid(pid, &status, 0);
    r.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.out = readFile(outFile);
    r.err = readFile(errFile);
    return r;
}

}  // namespace testsupport
