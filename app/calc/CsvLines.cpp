#include "calc/CsvLines.h"

#include <cstring>

namespace tavrel::calc {

bool takeLine(std::string_view& text, std::string_view& line) {
    if (text.empty()) return false;
    const auto* lf = static_cast<const char*>(std::memchr(text.data(), '\n', text.size()));
    const std::size_t length = lf ? static_cast<std::size_t>(lf - text.data()) : text.size();
    line = text.substr(0, length);
    text.remove_prefix(lf ? length + 1 : length);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
}

bool isBlankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

std::vector<std::string_view> splitAtLines(std::string_view text, std::size_t pieces) {
    std::vector<std::string_view> runs;
    if (pieces == 0) pieces = 1;
    const std::size_t target = text.size() / pieces + 1;
    while (!text.empty()) {
        std::size_t end = text.size();
        if (target < text.size()) {
            const std::size_t lf = text.find('\n', target - 1);
            if (lf != std::string_view::npos) end = lf + 1;
        }
        runs.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return runs;
}

}  // namespace tavrel::calc
