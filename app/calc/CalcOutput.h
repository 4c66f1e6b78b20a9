#pragma once
// Writing the results: the header and then every piece in order, either to
// standard output or to a file that is replaced only once all of it is written
// (a temporary file in the same folder, renamed over it).

#include "TextBuffer.h"

#include <ostream>
#include <string>
#include <vector>

namespace tavrel::calc {

// Empty when written; otherwise why not.
std::string writeToFile(const std::string& path, const std::vector<TextBuffer>& pieces);
std::string writeToStream(std::ostream& out, const std::vector<TextBuffer>& pieces);

}  // namespace tavrel::calc
