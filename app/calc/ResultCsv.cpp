#include "calc/ResultCsv.h"

#include "calc/AmountText.h"

#include <cstring>
#include <string>

namespace tavrel::calc {
namespace {

bool needsQuotes(std::string_view text) { return text.find_first_of(",\"\r\n") != std::string_view::npos; }

// The most a field can take when written: every character a doubled quote, plus the two quotes.
std::size_t fieldRoom(std::string_view text) { return 2 * text.size() + 2; }

// A field by the CSV rules: in quotes, with quotes doubled, when it holds a
// comma, a quote or a line break.
char* writeField(char* out, std::string_view text) {
    if (!needsQuotes(text)) {
        if (!text.empty()) std::memcpy(out, text.data(), text.size());
        return out + text.size();
    }
    *out++ = '"';
    for (const char c : text) {
        if (c == '"') *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

char* writeKey(char* out, std::string_view id, std::string_view year) {
    out = writeField(out, id);
    *out++ = ',';
    out = writeField(out, year);
    return out;
}

}  // namespace

void writeResult(TextBuffer& out, std::string_view id, std::string_view year, const Figures& figures) {
    char* p = out.room(fieldRoom(id) + fieldRoom(year) + Figures::kCount * (kMaxAmountChars + 1) + 3);
    p = writeKey(p, id, year);
    for (const Currency amount : figures.values) {
        *p++ = ',';
        p = writeAmount(p, amount);
    }
    *p++ = ',';  // the error column, empty
    *p++ = '\n';
    out.commit(p);
}

void writeFailure(TextBuffer& out, std::string_view id, std::string_view year, const RowError& error) {
    std::string text = std::to_string(error.number);
    text.append(" ").append(error.message);
    char* p = out.room(fieldRoom(id) + fieldRoom(year) + Figures::kCount + fieldRoom(text) + 3);
    p = writeKey(p, id, year);
    for (std::size_t i = 0; i < Figures::kCount; ++i) *p++ = ',';
    *p++ = ',';
    p = writeField(p, text);
    *p++ = '\n';
    out.commit(p);
}

}  // namespace tavrel::calc
