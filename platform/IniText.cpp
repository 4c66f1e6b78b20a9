#include "platform/IniText.h"

#include "platform/AsciiText.h"
#include "platform/FileAccess.h"
#include "common/TaxError.h"

namespace tavrel::platform {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using ascii::isControl;

bool isBlankLine(std::string_view text) noexcept { return ascii::trimBlanks(text).empty(); }

// The problems both kinds of names share.
std::optional<std::string> commonNameProblem(std::string_view name) {
    if (ascii::trimBlanks(name).empty()) return "it is blank";
    for (const char c : name) {
        if (c == '\r' || c == '\n') return "it contains a line break";
        if (isControl(c) && c != '\t') return "it contains a control character";
    }
    return std::nullopt;
}

int hexDigit(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The unquoted text when the stored value is one complete quoted string
// (optionally followed by blanks), or nothing.
std::optional<std::string> unquote(std::string_view s) {
    if (s.empty() || s.front() != '"') return std::nullopt;
    std::string out;
    out.reserve(s.size());
    std::size_t i = 1;
    for (;;) {
        if (i >= s.size()) return std::nullopt;  // no closing quote
        const char c = s[i++];
        if (c == '"') break;
        if (c != '\\') {
            out.push_back(c);
            continue;
        }
        if (i >= s.size()) return std::nullopt;
        switch (const char e = s[i++]) {
        case '\\':
        case '"': out.push_back(e); break;
        case 'r': out.push_back('\r'); break;
        case 'n': out.push_back('\n'); break;
        case 't': out.push_back('\t'); break;
        case 'x': {
            if (i + 2 > s.size()) return std::nullopt;
            const int hi = hexDigit(s[i]), lo = hexDigit(s[i + 1]);
            if (hi < 0 || lo < 0) return std::nullopt;
            out.push_back(static_cast<char>(hi * 16 + lo));
            i += 2;
            break;
        }
        default: return std::nullopt;
        }
    }
    if (!ascii::trimBlanks(s.substr(i)).empty()) return std::nullopt;
    return out;
}

}  // namespace

IniText::Line IniText::classify(std::string_view text) {
    Line line;
    line.text = std::string(text);
    std::size_t first = 0;
    while (first < text.size() && ascii::isBlank(text[first])) ++first;
    if (first == text.size()) return line;
    const char c = text[first];
    if (c == ';' || c == '#' || c == '[') return line;  // comments; headers are found by the caller
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return line;
    std::size_t keyEnd = eq;
    while (keyEnd > first && ascii::isBlank(text[keyEnd - 1])) --keyEnd;
    if (keyEnd == first) return line;  // "=value": no key, kept as an unknown line
    std::size_t valueBegin = eq + 1;
    while (valueBegin < text.size() && ascii::isBlank(text[valueBegin])) ++valueBegin;
    line.keyBegin = first;
    line.keyEnd = keyEnd;
    line.valueBegin = valueBegin;
    return line;
}

void IniText::parse(std::string_view text) {
    sections_.assign(1, Section{});
    byteOrderMark_ = text.starts_with(kByteOrderMark);
    if (byteOrderMark_) text.remove_prefix(kByteOrderMark.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(pos, end - pos);
        // CR LF endings, and any stray CRs before the LF, are all line ending.
        while (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        pos = next;

        const std::string_view trimmed = ascii::trimBlanks(raw);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const std::size_t close = raw.find(']');
            if (close != std::string_view::npos) {
                Section s;
                s.header = std::string(raw);
                std::size_t b = raw.find('[') + 1, e = close;
                while (b < e && ascii::isBlank(raw[b])) ++b;
                while (e > b && ascii::isBlank(raw[e - 1])) --e;
                s.nameBegin = b;
                s.nameEnd = e;
                sections_.push_back(std::move(s));
                continue;
            }
        }
        sections_.back().lines.push_back(classify(raw));
    }
}

std::size_t IniText::findSection(std::string_view name) const {
    name = ascii::trimBlanks(name);
    for (std::size_t i = 1; i < sections_.size(); ++i)
        if (ascii::equalsNoCase(sections_[i].name(), name)) return i;
    return npos;
}

std::size_t IniText::findKey(const Section& section, std::string_view key) {
    key = ascii::trimBlanks(key);
    for (std::size_t i = 0; i < section.lines.size(); ++i)
        if (section.lines[i].isKey() && ascii::equalsNoCase(section.lines[i].key(), key)) return i;
    return npos;
}

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const {
    const std::size_t s = findSection(section);
    if (s == npos) return std::nullopt;
    const std::size_t k = findKey(sections_[s], key);
    if (k == npos) return std::nullopt;
    const Line& line = sections_[s].lines[k];
    return decodeValue(std::string_view(line.text).substr(line.valueBegin));
}

void IniText::set(std::string_view section, std::string_view key, std::string_view value) {
    if (auto problem = sectionNameProblem(section))
        throw TaxError::standard(err::InvalidCall,
                                 "IniText.Set: invalid section name " + quotedForMessage(section) + ": " + *problem);
    if (auto problem = keyNameProblem(key))
        throw TaxError::standard(err::InvalidCall,
                                 "IniText.Set: invalid key name " + quotedForMessage(key) + ": " + *problem);
    section = ascii::trimBlanks(section);
    key = ascii::trimBlanks(key);
    const std::string stored = encodeValue(value);

    if (const std::size_t found = findSection(section); found != npos) {
        Section& s = sections_[found];
        if (const std::size_t k = findKey(s, key); k != npos) {
            Line& line = s.lines[k];
            line.text.resize(line.valueBegin);  // keeps the key as spelled and its spacing
            line.text += stored;
            return;
        }
        std::size_t at = s.lines.size();
        while (at > 0 && isBlankLine(s.lines[at - 1].text)) --at;
        s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), classify(std::string(key) + "=" + stored));
        return;
    }

    // A blank line between the last section and the new one, unless there is one.
    Section& last = sections_.back();
    const bool empty = sections_.size() == 1 && last.lines.empty();
    const bool endsBlank = !last.lines.empty() && isBlankLine(last.lines.back().text);
    if (!empty && !endsBlank) last.lines.push_back(Line{});
    Section s;
    s.header.append("[").append(section).append("]");  // appended: see Currency::toExactText
    s.nameBegin = 1;
    s.nameEnd = 1 + section.size();
    s.lines.push_back(classify(std::string(key) + "=" + stored));
    sections_.push_back(std::move(s));
}

std::string IniText::serialize() const {
    std::size_t size = byteOrderMark_ ? kByteOrderMark.size() : 0;
    for (const Section& s : sections_) {
        if (!s.header.empty()) size += s.header.size() + 1;
        for (const Line& line : s.lines) size += line.text.size() + 1;
    }
    std::string out;
    out.reserve(size);
    if (byteOrderMark_) out += kByteOrderMark;
    for (const Section& s : sections_) {
        if (!s.header.empty()) out.append(s.header).push_back('\n');
        for (const Line& line : s.lines) out.append(line.text).push_back('\n');
    }
    return out;
}

std::optional<std::string> IniText::sectionNameProblem(std::string_view name) {
    if (auto problem = commonNameProblem(name)) return problem;
    if (name.find(']') != std::string_view::npos) return "it contains ']'";
    return std::nullopt;
}

std::optional<std::string> IniText::keyNameProblem(std::string_view name) {
    if (auto problem = commonNameProblem(name)) return problem;
    if (name.find('=') != std::string_view::npos) return "it contains '='";
    const char first = ascii::trimBlanks(name).front();
    if (first == '[' || first == ';' || first == '#') return std::string("it starts with '") + first + "'";
    return std::nullopt;
}

std::string IniText::encodeValue(std::string_view value) {
    bool quote = !value.empty() && (ascii::isBlank(value.front()) || value.front() == '"');
    for (std::size_t i = 0; !quote && i < value.size(); ++i) quote = isControl(value[i]);
    if (!quote) return std::string(value);

    return ascii::quoted(value, true);
}

std::string IniText::decodeValue(std::string_view stored) {
    if (auto unquoted = unquote(stored)) return std::move(*unquoted);
    return std::string(stored);
}

}  // namespace tavrel::platform
