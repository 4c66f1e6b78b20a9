#pragma once
// The pieces fixed-width report lines are made of.

#include "common/Currency.h"

#include <string>
#include <string_view>

namespace tavrel::reports {

// n blanks.
inline std::string b(int n) { return std::string(static_cast<std::size_t>(n < 0 ? 0 : n), ' '); }

// Text right-aligned in a field of the width. A longer text is kept whole (the
// line shifts) rather than cut, which would show a wrong number.
std::string rightAligned(std::string_view text, std::size_t width = 12);

// An amount as "###,##0" (whole dollars, halves away from zero, separators),
// right-aligned in a 12-character field.
inline std::string field(Currency c) { return rightAligned(c.toPatternText()); }

// Text left-aligned and blank-padded to the width (kept whole when longer).
std::string padded(std::string_view text, std::size_t width);

// The rule line of the reports: n em dashes.
std::string GetPrintLine(int n);

}  // namespace tavrel::reports
