#include "base/ProgramInfo.h"

#include <filesystem>

namespace tavrel::shell {
namespace {

const std::filesystem::path& executablePath() {
    static const std::filesystem::path path = [] {
        std::error_code ec;
        auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
        return ec ? std::filesystem::current_path() / "tavrel" : p;
    }();
    return path;
}

}  // namespace

std::string versionShort() { return "PELQ" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor); }

std::string versionFull() { return versionShort() + "." + std::to_string(kVersionRevision); }

const std::string& programFolder() {
    static const std::string folder = executablePath().parent_path().string();
    return folder;
}

const std::string& executableName() {
    static const std::string name = executablePath().filename().string();
    return name;
}

}  // namespace tavrel::shell
