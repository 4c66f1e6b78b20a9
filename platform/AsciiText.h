#pragma once
// Locale-free helpers for the names in profile and rate files: names compare
// without regard to ASCII case, whatever the user's locale says.

#include <string>
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

constexpr bool isControl(char ch) noexcept {
    const auto c = static_cast<unsigned char>(ch);
    return c < 0x20 || c == 0x7F;
}

// The text in double quotes with control characters escaped (\r \n \t \xHH);
// with escapeQuotes also backslashes and double quotes, so the result reads back
// unambiguously.
inline std::string quoted(std::string_view text, bool escapeQuotes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() + 8);
    out.push_back('"');
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (escapeQuotes && (ch == '\\' || ch == '"')) {
            out.push_back('\\');
            out.push_back(ch);
        } else if (ch == '\r') {
            out += "\\r";
        } else if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\t') {
            out += "\\t";
        } else if (isControl(ch)) {
            out += "\\x";
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0xF]);
        } else {
            out.push_back(ch);
        }
    }
    out.push_back('"');
    return out;
}

}  // namespace tavrel::platform::ascii
