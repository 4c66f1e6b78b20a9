#include "base/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace tavrel::shell {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string_view skipBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

// The folder of one line of user-dirs.dirs when it sets XDG_DOCUMENTS_DIR. The
// file is written for the shell, but its format is narrower: a double-quoted
// value, either absolute or starting with $HOME, with backslash escapes.
std::optional<std::string> documentsLine(std::string_view line, const std::string& home) {
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR";
    line = skipBlanks(line);
    if (!line.starts_with(kKey)) return std::nullopt;
    line = skipBlanks(line.substr(kKey.size()));
    if (!line.starts_with('=')) return std::nullopt;
    line = skipBlanks(line.substr(1));
    if (!line.starts_with('"')) return std::nullopt;
    line.remove_prefix(1);
    std::string value;
    bool closed = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            value += line[++i];
        } else if (line[i] == '"') {
            closed = true;
            break;
        } else {
            value += line[i];
        }
    }
    if (!closed) return std::nullopt;
    constexpr std::string_view kHome = "$HOME";
    if (value.starts_with(kHome) && (value.size() == kHome.size() || value[kHome.size()] == '/')) {
        if (home.empty()) return std::nullopt;
        return withoutTrailingSlashes(home + value.substr(kHome.size()));
    }
    if (value.starts_with('/')) return withoutTrailingSlashes(value);
    return std::nullopt;
}

bool isUsableFolder(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_directory(folder, ec) && folderIsWritable(folder);
}

}  // namespace

bool folderIsWritable(const std::string& folder) {
    std::string probe = folder + "/.tavrel-write-test-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string documentsFolder() {
    const std::string home = withoutTrailingSlashes(environment("HOME"));
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the desktop ignores it.
    std::string config = environment("XDG_CONFIG_HOME");
    if (!config.starts_with('/')) config = home.empty() ? "" : home + "/.config";
    std::optional<std::string> chosen;
    if (!config.empty()) {
        std::ifstream in(config + "/user-dirs.dirs");
        for (std::string line; std::getline(in, line);)
            if (auto folder = documentsLine(line, home)) chosen = std::move(folder);  // the last one counts
    }
    if (chosen) return *chosen;
    return home.empty() ? "" : home + "/Documents";
}

std::string startingDataFolder(const std::string& stored) {
    if (isUsableFolder(stored)) return stored;
    const std::string documents = documentsFolder();
    if (!documents.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(documents, ec);
        if (isUsableFolder(documents)) return documents;
    }
    const std::string home = withoutTrailingSlashes(environment("HOME"));
    if (isUsableFolder(home)) return home;
    std::error_code ec;
    const std::string current = std::filesystem::current_path(ec).string();
    return current.empty() ? "." : current;
}

}  // namespace tavrel::shell
