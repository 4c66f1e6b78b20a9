#include "calc/TaxsimRow.h"

#include "calc/AmountText.h"

#include "common/TaxError.h"

#include <cstring>

namespace tavrel::calc {
namespace {

RowError valueError(int number, const HeaderColumn& c, std::string_view text, std::string_view what) {
    std::string message = "column \"" + c.name + "\": ";
    message.append(text).append(" ").append(what);
    return {number, std::move(message)};
}

// Reads one value by its column's rule into the row; false (and the error)
// when the value is not acceptable.
bool readValue(const HeaderColumn& c, const ScannedValue& scanned, TaxsimRow& row, RowError& error) {
    const std::string_view text = scanned.text;
    const Currency::ParseResult p = scanned.amount;
    const Currency value = Currency::fromScaled(p.scaled);
    if (p.status == Currency::ParseStatus::NotANumber) {
        // Appended, not prefixed: GCC 12 at -O3 warns falsely (-Wrestrict) about
        // a literal put before a temporary string.
        error = valueError(err::TypeMismatch, c, std::string(1, '"').append(text).append(1, '"'), "is not a number");
        return false;
    }
    if (p.status == Currency::ParseStatus::Overflow || !value.hasStorableText()) {
        error = valueError(err::Overflow, c, text, "is out of range");
        return false;
    }
    switch (c.rule) {
    case ValueRule::Text: return true;
    case ValueRule::Zero:
        if (value.isZero()) return true;
        error = {err::NotSupported,
                 "column \"" + c.name + "\" is not supported; it must be 0, not " + std::string(text)};
        return false;
    case ValueRule::Whole:
        if (!value.isWholeDollars()) {
            error = valueError(err::InvalidCall, c, text, "is not a whole number");
            return false;
        }
        [[fallthrough]];
    case ValueRule::NotNegative:
        if (value < Currency()) {
            error = valueError(err::InvalidCall, c, text, "cannot be negative");
            return false;
        }
        break;
    case ValueRule::Signed: break;
    }
    row.values[static_cast<std::size_t>(c.column)] = value;
    return true;
}

}  // namespace

RowReader::RowReader(const ColumnLayout& layout) : layout_(layout) {
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        if (layout.columns[i].column == Column::TaxsimId) idAt_ = i;
        if (layout.columns[i].column == Column::Year) yearAt_ = i;
    }
}

std::optional<RowError> RowReader::read(std::string_view line, TaxsimRow& row) {
    row.values.fill(Currency());
    row.id = row.year = {};
    const std::size_t columns = layout_.columns.size();
    // One pass: each value is read as it is cut out. After an error the rest
    // is still cut, to find the id and year and count the values.
    bool failed = false;
    RowError error;
    if (scratch_.size() < line.size() + kScanPadding) scratch_.resize(line.size() + kScanPadding);
    if (!line.empty()) std::memcpy(scratch_.data(), line.data(), line.size());
    scratch_[line.size()] = '\n';  // stops every run of digits, signs, points and blanks
    const char* p = scratch_.data();
    const char* const end = p + line.size();
    // The id and year as views into the line itself, not into the copy.
    auto inLine = [&](std::string_view text) {
        return line.substr(static_cast<std::size_t>(text.data() - scratch_.data()), text.size());
    };
    std::size_t values = 0;
    ScannedValue scanned;
    for (;; ++values) {
        p = scanValue(p, end, scanned);
        if (values < columns) {
            if (values == idAt_) row.id = inLine(scanned.text);
            if (values == yearAt_) row.year = inLine(scanned.text);
            const HeaderColumn& c = layout_.columns[values];
            if (!failed && c.rule != ValueRule::Text) failed = !readValue(c, scanned, row, error);
        }
        if (p == end) break;
        ++p;
    }
    if (++values != columns) {
        return RowError{err::InvalidCall, "the row has " + std::to_string(values) + " values; the header has " +
                                              std::to_string(columns) + " columns"};
    }
    if (failed) return error;
    return std::nullopt;
}

}  // namespace tavrel::calc
