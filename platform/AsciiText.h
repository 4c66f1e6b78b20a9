#pragma once
// Locale-free helpers for the names in profile and rate files: names compare
// without regard to ASCII case, whatever the user's locale says.

#include <string_view>

namespace tavrel::platform::ascii {

constexpr bool isBlank(char c) noexcept { return c == ' ' || c == '\t'; }

constexpr char lower(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool equalsNoCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

constexpr std::string_view trimBlanks(std::string_view s) noexcept {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

}  // namespace tavrel::platform::ascii
