#pragma once
// The input's lines: LF or CR LF ends, blank lines, and cutting the text into
// runs of whole lines that workers take one at a time.

#include <cstddef>
#include <string_view>
#include <vector>

namespace tavrel::calc {

// Takes the next line off the front of `text`, without its LF or CR LF; false
// when the text is used up.
bool takeLine(std::string_view& text, std::string_view& line);

// Empty, or blanks only.
bool isBlankLine(std::string_view line);

// The text cut into at most `pieces` runs of whole lines, in order, together
// the whole text; no run is empty.
std::vector<std::string_view> splitAtLines(std::string_view text, std::size_t pieces);

}  // namespace tavrel::calc
