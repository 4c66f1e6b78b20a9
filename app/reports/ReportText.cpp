#include "reports/ReportText.h"

#include "common/FixedText.h"

namespace tavrel::reports {

std::string rightAligned(std::string_view text, std::size_t width) {
    const std::size_t n = characterCount(text);
    std::string out;
    if (n < width) out.assign(width - n, ' ');
    out.append(text);
    return out;
}

std::string padded(std::string_view text, std::size_t width) {
    std::string out(text);
    const std::size_t n = characterCount(text);
    if (n < width) out.append(width - n, ' ');
    return out;
}

std::string GetPrintLine(int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += "\u2014";
    return out;
}

}  // namespace tavrel::reports
