#include "platform/RateTable.h"

#include "platform/AsciiText.h"
#include "platform/FileAccess.h"
#include "common/NumericText.h"
#include "common/TaxError.h"

#include <functional>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>

namespace tavrel::platform {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// "32,550": a non-negative whole number with thousands separators.
std::string groupedText(std::int64_t whole) {
    const std::string digits = std::to_string(whole);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}

// "32,550", "12,196.875": an amount in Currency scale as the files write it.
std::string amountText(std::int64_t scaled) {
    std::string out = groupedText(scaled / Currency::kScale);
    if (std::int64_t frac = scaled % Currency::kScale; frac != 0) {
        std::string f = std::to_string(frac + Currency::kScale).substr(1);  // four digits
        while (f.back() == '0') f.pop_back();
        out.append(".").append(f);
    }
    return out;
}

// "1,234.50": cents as dollars and cents. The dollars are grouped directly:
// a stated tax can be far beyond what an amount in Currency scale holds.
std::string centsText(std::int64_t cents) {
    std::string s = groupedText(cents / 100);
    const std::int64_t c = cents % 100;
    s.push_back('.');
    s.push_back(static_cast<char>('0' + c / 10));
    s.push_back(static_cast<char>('0' + c % 10));
    return s;
}

std::vector<std::string_view> splitBlanks(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && ascii::isBlank(s[i])) ++i;
        const std::size_t b = i;
        while (i < s.size() && !ascii::isBlank(s[i])) ++i;
        if (i > b) out.push_back(s.substr(b, i - b));
    }
    return out;
}

// Builds the schedules of one file, checking each row as it arrives.
class Parser {
public:
    explicit Parser(std::string_view path) : path_(path) {}

    void line(std::size_t number, std::string_view text) {
        line_ = number;
        if (const auto hash = text.find('#'); hash != std::string_view::npos) text = text.substr(0, hash);
        text = ascii::trimBlanks(text);
        if (text.empty()) return;
        if (text.front() == '[') return header(text);
        row(text);
    }

    std::vector<TaxSchedule> finish() {
        finishSchedule();
        if (schedules_.empty()) fail(0, "it holds no schedules");
        return std::move(schedules_);
    }

private:
    struct Row {
        TaxSchedule::Bracket bracket;
        std::int64_t statedCents = 0;
        std::size_t line = 0;
    };

    [[noreturn]] void fail(std::size_t line, const std::string& problem) const {
        std::string s = "RateSchedule.Load: rate file " + quotedForMessage(path_);
        if (line > 0) s += " line " + std::to_string(line);
        throw TaxError::standard(err::InvalidCall, s + ": " + problem);
    }
    [[noreturn]] void fail(const std::string& problem) const { fail(line_, problem); }

    void header(std::string_view text) {
        if (text.back() != ']') fail("a schedule header must end with ']'");
        const std::string_view name = ascii::trimBlanks(text.substr(1, text.size() - 2));
        if (name.empty()) fail("the schedule name is empty");
        if (name.find_first_of("[]") != std::string_view::npos)
            fail("the schedule name " + quotedForMessage(name) + " contains a bracket");
        finishSchedule();
        for (const Started& s : started_)
            if (ascii::equalsNoCase(s.name, name))
                fail("schedule " + quotedForMessage(name) + " appears twice (first on line " + std::to_string(s.line) +
                     ")");
        started_.push_back({std::string(name), line_});
        inSchedule_ = true;
        rows_.clear();
    }

    // A plain non-negative number with at most maxDecimals decimals, in units
    // of 10^-scale.
    std::int64_t number(std::string_view t, int maxDecimals, int scale, const char* what) const {
        const bool plain = t.find_first_not_of("0123456789,.") == std::string_view::npos;
        if (!plain || !isNumeric(t))
            fail(quotedForMessage(t) + " is not " + what + " (expected digits, thousands separators and a point)");
        if (const auto dot = t.find('.');
            dot != std::string_view::npos && t.size() - dot - 1 > std::size_t(maxDecimals))
            fail(quotedForMessage(t) + " has more than " + std::to_string(maxDecimals) + " decimals");
        const NumberParse p = parseNumberScaled(t, scale);
        if (p.status != NumberParse::Status::Ok) fail(quotedForMessage(t) + " is too large");
        return p.value;
    }

    void row(std::string_view text) {
        if (!inSchedule_) fail("a bracket appears before the first [schedule] header");
        const auto t = splitBlanks(text);
        std::size_t next = 2;
        bool open = false;
        if (t.size() >= 3 && ascii::equalsNoCase(t[1], "and") && ascii::equalsNoCase(t[2], "up")) {
            open = true;
            next = 3;
        }
        if (t.size() != next + 2)
            fail("expected four columns: over, not over (or \"and up\"), rate, and the tax at \"over\"");

        Row r;
        r.line = line_;
        auto& b = r.bracket;
        b.lower = number(t[0], 4, 4, "an amount");
        b.upper = open ? TaxSchedule::kOpenEnded : number(t[1], 4, 4, "an amount");
        // The largest amount marks the open end; as a stated bound it would
        // make a bracket open-ended without "and up".
        if (!open && b.upper == TaxSchedule::kOpenEnded)
            fail(quotedForMessage(t[1]) + " is too large to end a bracket; the last bracket ends \"and up\"");
        const std::string_view rate = t[next];
        if (rate.size() < 2 || rate.back() != '%') fail("the rate " + quotedForMessage(rate) + " must end with '%'");
        const std::int64_t thousandths = number(rate.substr(0, rate.size() - 1), 3, 3, "a rate");
        if (thousandths > TaxSchedule::kFullRate) fail("the rate " + std::string(rate) + " is above 100%");
        b.rate = static_cast<std::int32_t>(thousandths);
        r.statedCents = number(t[next + 1], 2, 2, "a tax amount");

        if (rows_.empty()) {
            if (b.lower != 0) fail("the first bracket must start at 0, not " + amountText(b.lower));
        } else {
            const Row& prev = rows_.back();
            if (prev.bracket.upper == TaxSchedule::kOpenEnded)
                fail("a bracket follows the open-ended one on line " + std::to_string(prev.line));
            if (b.lower != prev.bracket.upper)
                fail("the brackets are not contiguous: this one starts at " + amountText(b.lower) +
                     " but the one on line " + std::to_string(prev.line) + " ends at " +
                     amountText(prev.bracket.upper));
        }
        if (!open && b.upper <= b.lower)
            fail("the bracket ends at " + amountText(b.upper) + ", which is not above its start " +
                 amountText(b.lower));
        rows_.push_back(r);
    }

    void finishSchedule() {
        if (!inSchedule_) return;
        inSchedule_ = false;
        const Started& s = started_.back();
        if (rows_.empty()) fail(s.line, "schedule " + quotedForMessage(s.name) + " has no brackets");
        if (rows_.back().bracket.upper != TaxSchedule::kOpenEnded)
            fail(rows_.back().line,
                 "the last bracket of schedule " + quotedForMessage(s.name) + " must be open-ended (\"and up\")");
        std::vector<TaxSchedule::Bracket> brackets;
        brackets.reserve(rows_.size());
        for (const Row& r : rows_) brackets.push_back(r.bracket);
        TaxSchedule schedule(s.name, std::move(brackets));
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const std::int64_t computed = schedule.taxAtLowerInCents(i);
            if (computed != rows_[i].statedCents)
                fail(rows_[i].line, "the tax at " + amountText(rows_[i].bracket.lower) + " is " + centsText(computed) +
                                        " by the rates above it, but the file states " +
                                        centsText(rows_[i].statedCents));
        }
        schedules_.push_back(std::move(schedule));
    }

    struct Started {
        std::string name;
        std::size_t line;
    };

    std::string_view path_;
    std::size_t line_ = 0;
    bool inSchedule_ = false;
    std::vector<Started> started_;
    std::vector<Row> rows_;
    std::vector<TaxSchedule> schedules_;
};

struct PathHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};

// Parsed files by path. Entries are never removed, so references handed out
// stay valid; lookups take the shared lock only and allocate nothing.
struct Cache {
    std::shared_mutex mutex;
    std::unordered_map<std::string, std::unique_ptr<const RateTable>, PathHash, std::equal_to<>> tables;
};

Cache& cache() {
    static Cache c;
    return c;
}

RateTable readRateFile(std::string_view path) {
    const std::string p(path);
    FileText f = readTextFile(p);
    switch (f.status) {
    case FileText::Status::Ok: break;
    case FileText::Status::Missing:
        throw TaxError::standard(err::FileNotFound,
                                 "RateSchedule.Load: rate file " + quotedForMessage(p) + " not found");
    case FileText::Status::TooLarge:
        throw TaxError::standard(err::OutOfMemory,
                                 "RateSchedule.Load: cannot read rate file " + quotedForMessage(p) + ": " + f.reason);
    case FileText::Status::Failed:
        throw TaxError::standard(err::PathFileAccess,
                                 "RateSchedule.Load: cannot read rate file " + quotedForMessage(p) + ": " + f.reason);
    }
    return RateTable::parse(f.text, p);
}

}  // namespace

RateTable RateTable::parse(std::string_view text, std::string_view path) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    Parser parser(path);
    std::size_t number = 0, pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        parser.line(++number, line);
        pos = end + 1;
    }
    RateTable table;
    table.path_ = std::string(path);
    table.schedules_ = parser.finish();
    return table;
}

const RateTable& RateTable::cached(std::string_view path) {
    Cache& c = cache();
    {
        std::shared_lock lock(c.mutex);
        if (const auto it = c.tables.find(path); it != c.tables.end()) return *it->second;
    }
    // Parse outside the lock so that loading one file does not hold up lookups
    // of others; if two threads race on the same file, the first entry wins.
    auto table = std::make_unique<const RateTable>(readRateFile(path));
    std::unique_lock lock(c.mutex);
    const auto [it, inserted] = c.tables.try_emplace(std::string(path), std::move(table));
    return *it->second;
}

const TaxSchedule* RateTable::find(std::string_view name) const noexcept {
    name = ascii::trimBlanks(name);
    for (const TaxSchedule& s : schedules_)
        if (ascii::equalsNoCase(s.name(), name)) return &s;
    return nullptr;
}

}  // namespace tavrel::platform
