#pragma once
// The fixed-width name and description texts of a return: exactly 50 characters,
// blank-padded. Characters are counted as UTF-8 code points, not bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel {

inline constexpr std::size_t kFixedTextWidth = 50;

// Number of characters: UTF-8 lead bytes (a stray continuation byte counts as one).
std::size_t characterCount(std::string_view text) noexcept;

// The text padded with blanks to 50 characters; raises 10001 when it is longer.
std::string padFixedText(std::string_view text);

// The text without its trailing blanks.
std::string_view trimRight(std::string_view text) noexcept;

}  // namespace tavrel
