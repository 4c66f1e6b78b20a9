#include "common/FixedText.h"

#include "common/TaxError.h"

namespace tavrel {

std::size_t characterCount(std::string_view text) noexcept {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t len = 1;
        if (c >= 0xF0 && c <= 0xF4)
            len = 4;
        else if (c >= 0xE0)
            len = c <= 0xEF ? 3 : 1;
        else if (c >= 0xC2)
            len = 2;
        // Only a well-formed sequence counts as one character.
        for (std::size_t k = 1; k < len; ++k) {
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                len = 1;
                break;
            }
        }
        i += len;
        ++count;
    }
    return count;
}

std::string padFixedText(std::string_view text) {
    const std::size_t n = characterCount(text);
    if (n > kFixedTextWidth) throw TaxError::standard(err::TextTooLong, "FixedText");
    std::string out(text);
    out.append(kFixedTextWidth - n, ' ');
    return out;
}

std::string_view trimRight(std::string_view text) noexcept {
    std::size_t e = text.size();
    while (e > 0 && text[e - 1] == ' ') --e;
    return text.substr(0, e);
}

}  // namespace tavrel
