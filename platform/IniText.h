#pragma once
// The text of a profile file held in memory: parse, look up, edit, write back.
// No file access here, so the layer can be exercised (and fuzzed) on strings.
//
// The format:
//   [Section]            a section header; blanks around the name are ignored
//   Key=Value            a key; blanks around the key are ignored, the value is
//                        everything after the first '=' minus its leading blanks
//                        (trailing blanks are part of the value: names are stored
//                        padded to a fixed width)
//   ; text  or  # text   a comment
// Section and key names compare case-insensitively (ASCII). Lines end in LF or
// CR LF on input; serialize() always writes LF. A UTF-8 byte-order mark at the
// start is skipped on input and written back. Comments, blank lines, unknown
// sections and keys, and lines of no known form are kept as they are, in order.
//
// A value that could not survive as raw text (it holds a line break or another
// control character, or starts with a blank or a double quote) is stored
// quoted: "..." with \\ \" \r \n \t and \xHH escapes. A stored value that is a
// complete quoted string reads back unquoted; anything else reads back raw.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::platform {

class IniText {
public:
    IniText() = default;
    explicit IniText(std::string_view text) { parse(text); }

    // Replaces the whole content with the parsed text.
    void parse(std::string_view text);

    // The value of the first key of that name in the first section of that name.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Replaces that value in place, or appends the key at the end of the section
    // (after its last non-blank line), or appends the section at the end. Names
    // that would break the structure raise 5 (see sectionNameProblem/keyNameProblem).
    void set(std::string_view section, std::string_view key, std::string_view value);

    std::string serialize() const;

    // Whether a section of that name exists.
    bool hasSection(std::string_view section) const { return findSection(section) != npos; }

    // Why a name cannot be used, or nothing when it can. A section name must not
    // be blank or hold a line break, another control character or ']'. A key
    // must not be blank, hold a line break, another control character or '=',
    // or start with '[', ';' or '#' (it would read back as a header or comment).
    static std::optional<std::string> sectionNameProblem(std::string_view name);
    static std::optional<std::string> keyNameProblem(std::string_view name);

    // The stored form of a value (raw, or quoted when needed) and back again.
    static std::string encodeValue(std::string_view value);
    static std::string decodeValue(std::string_view stored);

private:
    struct Line {
        std::string text;
        // For key lines, [keyBegin, keyEnd) is the trimmed key and valueBegin the
        // first character of the value; valueBegin is npos for every other line.
        std::size_t keyBegin = 0, keyEnd = 0;
        std::size_t valueBegin = std::string::npos;
        bool isKey() const noexcept { return valueBegin != std::string::npos; }
        std::string_view key() const noexcept { return std::string_view(text).substr(keyBegin, keyEnd - keyBegin); }
    };
    struct Section {
        std::string header;  // the header line as read; empty for the text before any header
        std::size_t nameBegin = 0, nameEnd = 0;
        std::vector<Line> lines;
        std::string_view name() const noexcept {
            return std::string_view(header).substr(nameBegin, nameEnd - nameBegin);
        }
    };

    static constexpr std::size_t npos = std::string::npos;
    static Line classify(std::string_view text);
    // Indexes of the first section / key line of a name, or npos.
    std::size_t findSection(std::string_view name) const;
    static std::size_t findKey(const Section& section, std::string_view key);

    bool byteOrderMark_ = false;
    // sections_[0] holds the lines before the first header and has no header.
    std::vector<Section> sections_ = std::vector<Section>(1);
};

}  // namespace tavrel::platform
