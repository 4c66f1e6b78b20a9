#pragma once
// Invariant checks shared by the harness bodies: a broken invariant prints what
// broke and traps, so the fuzzer records the input as a crash and a replay in a
// unit test dies the same way.

#include <cstdio>
#include <string>
#include <string_view>

namespace tavrel::fuzz {

[[noreturn]] inline void invariantBroken(const char* file, int line, const char* condition, std::string_view detail) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    if (!detail.empty()) std::fprintf(stderr, "  %.*s\n", static_cast<int>(detail.size()), detail.data());
    std::fflush(stderr);
    __builtin_trap();
}

// The text with control characters and bytes above 0x7E spelled out, for messages.
inline std::string printable(std::string_view text, std::size_t limit = 200) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            out += "\\x";
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0xF]);
        }
    }
    if (text.size() > limit) out += "...";
    return out;
}

}  // namespace tavrel::fuzz

#define FUZZ_CHECK(condition, detail)                                                                \
    do {                                                                                             \
        if (!(condition)) ::tavrel::fuzz::invariantBroken(__FILE__, __LINE__, #condition, (detail)); \
    } while (false)
