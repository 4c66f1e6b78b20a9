#include "base/RecentFiles.h"

#include "base/Settings.h"

#include "common/FixedText.h"

#include <array>

namespace tavrel::shell {
namespace {

constexpr std::string_view kPreferences = "User Preferences";

// Appended piece by piece: "literal" + std::to_string(...) draws a false
// -Wrestrict warning from GCC 12 at -O3.
std::string key(int position) {
    std::string k = "File ";
    k += std::to_string(position);
    return k;
}
std::string caption(int position, const std::string& file) {
    std::string c = "&";
    c += std::to_string(position);
    c += ' ';
    c += file;
    return c;
}

}  // namespace

void MaintMRUList(Shell& shell, std::string_view name) {
    // 1. Read the five entries and show them.
    std::array<std::string, 5> old;
    for (int i = 1; i <= 5; ++i) {
        old[static_cast<std::size_t>(i - 1)] = std::string(trimRight(readSetting(shell, kPreferences, key(i), "")));
        const std::string& entry = old[static_cast<std::size_t>(i - 1)];
        shell.view.setRecentFileItem(i, !entry.empty(), entry.empty() ? std::string() : caption(i, entry));
        if (i == 1 && !entry.empty()) shell.view.setRecentSeparatorVisible(true);
    }
    // 2. Loading only.
    if (name.empty()) {
        shell.state.RecentFiles = old;
        return;
    }
    // 3. Already listed (as part of an entry): nothing changes.
    for (const auto& entry : old) {
        if (entry.find(name) != std::string::npos) {
            shell.state.RecentFiles = old;
            return;
        }
    }
    // 4. Shift the new name in; the fifth entry drops off.
    auto& list = shell.state.RecentFiles;
    list[0] = std::string(name);
    writeSetting(shell, kPreferences, key(1), name);
    shell.view.setRecentSeparatorVisible(true);
    shell.view.setRecentFileItem(1, true, caption(1, list[0]));
    for (int i = 1; i <= 4; ++i) {
        const std::string& entry = old[static_cast<std::size_t>(i - 1)];
        list[static_cast<std::size_t>(i)] = entry;
        writeSetting(shell, kPreferences, key(i + 1), entry);
        shell.view.setRecentFileItem(i + 1, !entry.empty(), entry.empty() ? std::string() : caption(i + 1, entry));
    }
}

}  // namespace tavrel::shell
