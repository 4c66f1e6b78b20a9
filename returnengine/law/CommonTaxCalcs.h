#pragma once
// Helpers that all tax-law code uses: the not-below-zero difference, the rate
// file and schedule names, and the AMT work record.

#include "common/Currency.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace osgrin {

using tavrel::Currency;

namespace CommonTaxCalcs {

// b - a, or 0 when that is negative. Note the order: a is taken from b.
Currency SubtractNotZero(Currency a, Currency b);

// What is left of `from` once `taken` is taken away, never below 0: the law's
// SubtractNotZero(taken, from) with its arguments in reading order, which the
// rules call.
inline Currency amountLeft(Currency from, Currency taken) { return SubtractNotZero(taken, from); }

// Full path of the year's regular rate file in the library's folder
// ("<folder>/Ind2008.tbl"); the year is used as given.
const std::string& GetRateFile(int year);

// Full path of a rate file named by a law row ("Ind2001Enacted.tbl") in the
// library's folder; built once per name.
const std::string& rateFilePath(std::string_view fileName);

// Schedule (section) name in a rate file for a filing status; empty for a
// status outside 1 to 5.
std::string_view GetRateTable(std::int32_t filingStatus);

}  // namespace CommonTaxCalcs

// The AMT computation's working record, created zeroed for each computation.
struct AmtWorkRecord {
    Currency AGI, MedDed, MortgIntDed, CasualtyDed, CharDed, ItemDed, TaxInc, Exemption, TaxIncPostExemption;
};

}  // namespace osgrin
