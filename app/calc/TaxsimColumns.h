#pragma once
// The input variables of NBER TAXSIM 35 that the calculator reads, and the
// header line that says which column holds which.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::calc {

// clang-format off
enum class Column : std::uint8_t {
    TaxsimId, Year, Mstat, Page, Sage, Depx, Dep13, Dep17, Dep18, Age1, Age2, Age3,
    Pwages, Swages, Psemp, Ssemp, Dividends, Intrec, Pensions, Otherprop, Nonprop, Stcg, Ltcg,
    Proptax, Otheritem, Mortgage,
    Ignored,      // state, idtl: accepted, not used (no state tax is computed)
    Unsupported,  // anything else: income or facts the return cannot take, so it must be 0
};
// clang-format on
// The columns that hold a number for the return: the ones before Ignored.
inline constexpr std::size_t kNumberColumns = static_cast<std::size_t>(Column::Ignored);

// What a column's value may be.
enum class ValueRule : std::uint8_t {
    Text,         // kept as read (taxsimid) or not read at all (Ignored)
    NotNegative,  // an amount or an age
    Signed,       // an amount that may be a loss
    Whole,        // a whole number, not negative
    Zero,         // an unsupported column: any number, but only 0 is accepted
};

struct HeaderColumn {
    Column column;
    ValueRule rule;
    std::string name;  // as the header spells it, blanks trimmed
};

struct ColumnLayout {
    std::vector<HeaderColumn> columns;  // in the order of the file
    bool hasDependentCounts = false;    // dep13, dep17 or dep18 is named
};

struct HeaderRead {
    ColumnLayout layout;
    std::string problem;  // empty when the header can be used
};

// Reads the header line (no line end): names in any order and case, blanks
// around them ignored. taxsimid, year and mstat are required; a name given
// twice is a problem.
HeaderRead readHeader(std::string_view line);

}  // namespace tavrel::calc
