#pragma once
// The profile-text harness: arbitrary bytes parsed as a profile file, written
// back and parsed again; then edits with names and values from the input.
//
// The input is split at NUL bytes: the first piece is the file's text, the
// pieces after it are taken three at a time as (section, key, value) for set().

#include "FuzzCheck.h"

#include "platform/IniText.h"
#include "common/TaxError.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tavrel::fuzz {

namespace profile_detail {

using platform::IniText;

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

inline std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

inline std::string lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// A (section, key) pair as the format describes it, names folded to lower case.
struct Entry {
    std::string section, key;
    bool operator==(const Entry& o) const { return section == o.section && key == o.key; }
    // Whether the key is in the first section of its name, where lookups go.
    bool inFirstSection = false;
};

// An independent reading of the format (see IniText.h) that lists the sections
// and the keys of a text, in order. Keys before the first header belong to no
// section and are listed under a name no header can produce.
struct Outline {
    std::vector<std::string> sections;
    std::vector<Entry> keys;
};

inline constexpr std::string_view kNoSection = "\n";

inline Outline outline(std::string_view text) {
    Outline o;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::string current(kNoSection);
    bool currentIsFirst = false;
    std::unordered_set<std::string> seen;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view t = trim(line);
        if (t.empty()) continue;
        if (t.front() == '[') {
            const std::size_t close = line.find(']');
            if (close != std::string_view::npos) {
                const std::size_t open = line.find('[');
                current = lowered(trim(line.substr(open + 1, close - open - 1)));
                currentIsFirst = seen.insert(current).second;
                o.sections.push_back(current);
            }
            continue;  // a header, or a line of no known form
        }
        if (t.front() == ';' || t.front() == '#') continue;
        const std::size_t eq = t.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = trim(t.substr(0, eq));
        if (key.empty()) continue;
        o.keys.push_back({current, lowered(key), currentIsFirst});
    }
    return o;
}

inline std::string describe(std::string_view doc) { return "document \"" + printable(doc, 400) + "\""; }

}  // namespace profile_detail

// Parses, writes back and edits one document; a broken invariant traps.
inline void checkProfileText(std::string_view doc, const std::vector<std::string_view>& edits) {
    using namespace profile_detail;

    IniText text(doc);
    const std::string once = text.serialize();
    const std::string twice = IniText(once).serialize();
    FUZZ_CHECK(once == twice, describe(doc) + " written once \"" + printable(once, 400) + "\" twice \"" +
                                  printable(twice, 400) + "\"");

    // The independent reading agrees with the class on which sections exist,
    // and the first value of each key reads the same before and after a save.
    const Outline before = outline(once);
    const IniText reread(once);
    std::size_t checked = 0;
    for (const Entry& e : before.keys) {
        if (e.section == kNoSection || !e.inFirstSection || ++checked > 64) continue;
        FUZZ_CHECK(text.hasSection(e.section), describe(doc) + " section \"" + printable(e.section) + "\"");
        const auto v = text.value(e.section, e.key);
        FUZZ_CHECK(v.has_value(), describe(doc) + " key \"" + printable(e.key) + "\"");
        FUZZ_CHECK(reread.value(e.section, e.key) == v, describe(doc) + " key \"" + printable(e.key) + "\"");
    }
    checked = 0;
    for (const std::string& s : before.sections)
        if (++checked <= 64) FUZZ_CHECK(text.hasSection(s), describe(doc) + " section \"" + printable(s) + "\"");

    // Edits: a refused name raises 5 and changes nothing; an accepted one reads
    // back the value, in memory and after a save, adds at most its own section
    // and key, and leaves every other value as it was.
    for (std::size_t i = 0; i + 2 < edits.size() && i < 3 * 16; i += 3) {
        const std::string_view section = edits[i], key = edits[i + 1], value = edits[i + 2];
        const std::string what = describe(doc) + " set [" + printable(section) + "] \"" + printable(key) + "\" = \"" +
                                 printable(value) + "\"";
        const std::string old = text.serialize();
        const bool refused =
            IniText::sectionNameProblem(section).has_value() || IniText::keyNameProblem(key).has_value();
        try {
            text.set(section, key, value);
            FUZZ_CHECK(!refused, what);
        } catch (const TaxError& e) {
            FUZZ_CHECK(refused && e.number() == 5, what + " raised " + std::to_string(e.number()));
            FUZZ_CHECK(text.serialize() == old, what);
            continue;
        }
        const std::string saved = text.serialize();
        const IniText reopened(saved);
        FUZZ_CHECK(text.value(section, key) == std::optional<std::string>(value), what);
        FUZZ_CHECK(reopened.value(section, key) == std::optional<std::string>(value),
                   what + " saved \"" + printable(saved, 400) + "\"");
        FUZZ_CHECK(reopened.serialize() == saved, what);

        const Outline was = outline(old), now = outline(saved);
        const Entry edited{lowered(trim(section)), lowered(trim(key))};
        bool hadSection = false, hadKey = false;
        for (const std::string& s : was.sections) hadSection = hadSection || s == edited.section;
        for (const Entry& e : was.keys) hadKey = hadKey || (e.inFirstSection && e == edited);
        FUZZ_CHECK(now.sections.size() == was.sections.size() + (hadSection ? 0 : 1), what);
        FUZZ_CHECK(now.keys.size() == was.keys.size() + (hadKey ? 0 : 1), what);
        if (!hadSection) FUZZ_CHECK(now.sections.back() == edited.section, what);

        const IniText previous(old);
        checked = 0;
        for (const Entry& e : was.keys) {
            if (e.section == kNoSection || e == edited || ++checked > 64) continue;
            FUZZ_CHECK(reopened.value(e.section, e.key) == previous.value(e.section, e.key),
                       what + " changed \"" + printable(e.key) + "\"");
        }
    }
}

// The harness body: the input split at NUL bytes (see above).
inline int runProfileInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> pieces;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t nul = all.find('\0', pos);
        if (nul == std::string_view::npos) {
            pieces.push_back(all.substr(pos));
            break;
        }
        pieces.push_back(all.substr(pos, nul - pos));
        pos = nul + 1;
    }
    const std::vector<std::string_view> edits(pieces.begin() + 1, pieces.end());
    checkProfileText(pieces.front(), edits);
    return 0;
}

}  // namespace tavrel::fuzz
