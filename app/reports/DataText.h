#pragma once
// The small pieces every data export writes: a JSON string, a CSV field and an
// amount as an exact decimal number (never through a double).

#include "common/Currency.h"

#include <string>
#include <string_view>

namespace tavrel::reports {

// `text` as a JSON string, quotes included, with the characters JSON requires escaped.
void appendJsonString(std::string& out, std::string_view text);

// `text` as one CSV field: quoted when it holds a comma, a quote or a line break.
void appendCsvField(std::string& out, std::string_view text);

// The amount as exact decimal text, a valid JSON and CSV number ("-10112.5").
inline void appendAmount(std::string& out, Currency amount) { out += amount.toExactText(); }

}  // namespace tavrel::reports
