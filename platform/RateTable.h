#pragma once
// A rate file: named graduated schedules in a readable, commented text form.
//
//   # Anything after '#' is a comment; blank lines are ignored.
//   [Schedule X]
//   # over       not over     rate      tax at "over"
//   0            8,025        10%       0.00
//   8,025        32,550       15%       802.50
//   ...
//   357,700      and up       35%       103,791.75
//
// A header names a schedule (names compare without regard to ASCII case and
// surrounding blanks). Each row is one bracket: over the first amount and not
// over the second ("and up" for the last), at the rate, and the tax on the
// first amount to the cent. Amounts are plain non-negative numbers with up to
// four decimals and optional thousands separators; a rate has up to three
// decimals and a '%' sign; the tax has at most two decimals.
//
// Loading refuses a file whose schedule does not start at 0, has a gap or an
// overlap between brackets, a rate above 100%, an open-ended bracket that is
// not the last (or none at all), or a stated tax that differs from the tax the
// rates give on that lower bound rounded to the cent (halves away from zero).
// Each refusal is error 5 naming the file, the line and the problem.

#include "platform/TaxSchedule.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavrel::platform {

class RateTable {
public:
    // Parses the text of a rate file; path only names the file in errors.
    static RateTable parse(std::string_view text, std::string_view path);

    // The parsed file at the path, read and parsed on first use and then kept
    // for the life of the process (thread-safe). A file that fails to load is
    // not kept, so a corrected file is read again. Errors: 53 when the file is
    // missing, 75 when it cannot be read, 7 when it is absurdly large, 5 when
    // its contents are wrong. The reference stays valid until the process ends.
    static const RateTable& cached(std::string_view path);

    const std::string& path() const noexcept { return path_; }
    const std::vector<TaxSchedule>& schedules() const noexcept { return schedules_; }
    // The schedule of that name, or nullptr.
    const TaxSchedule* find(std::string_view name) const noexcept;

private:
    std::string path_;
    std::vector<TaxSchedule> schedules_;
};

}  // namespace tavrel::platform
