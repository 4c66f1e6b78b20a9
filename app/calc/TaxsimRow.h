#pragma once
// One row of the input: its values split at commas and read by the rules of
// their columns.

#include "calc/RowError.h"
#include "calc/TaxsimColumns.h"

#include "common/Currency.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tavrel::calc {

struct TaxsimRow {
    // As read, blanks trimmed; they point into the line.
    std::string_view id, year;
    // Every number column; those the header does not name are 0.
    std::array<Currency, kNumberColumns> values{};

    Currency operator[](Column c) const { return values[static_cast<std::size_t>(c)]; }
};

// Reads rows of one layout. Each line is copied into the reader's own buffer
// first (see kScanPadding), which grows to the longest line and no further, so
// row after row is read without allocating.
class RowReader {
public:
    explicit RowReader(const ColumnLayout& layout);

    // Reads a line (without its line end) into the row. On an error the row
    // still has its id and year when the line holds them.
    std::optional<RowError> read(std::string_view line, TaxsimRow& row);

private:
    const ColumnLayout& layout_;
    std::vector<char> scratch_;  // the line being read, a stop byte and room to spare
    std::size_t idAt_ = std::string_view::npos, yearAt_ = std::string_view::npos;
};

}  // namespace tavrel::calc
