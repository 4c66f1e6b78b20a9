#pragma once
// One worker's return: a row of TAXSIM variables put on the engine's return,
// computed, and its figures read back. The same return object serves row after
// row, so a row costs no allocation and no text.

#include "calc/RowError.h"
#include "calc/TaxsimColumns.h"
#include "calc/TaxsimRow.h"

#include "common/Currency.h"
#include "returnengine/law/LawEdition.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>

namespace osgrin {
class iTop;
}

namespace tavrel::calc {

// The figures of a computed return, in the order of the output's columns.
struct Figures {
    // clang-format off
    enum Index : std::size_t {
        Agi, StandardDeduction, Exemptions, ItemizedDeductions, TaxableIncome, AmtIncome, Amt, RegularTax,
        TentativeMinimumTax, ChildCredit, TotalTax, QbiDeduction, NetInvestmentIncomeTax,
        AdditionalMedicareTax, kCount
    };
    // clang-format on
    std::array<Currency, kCount> values{};
};

class TaxsimReturn {
public:
    explicit TaxsimReturn(osgrin::LawEdition law);
    ~TaxsimReturn();
    TaxsimReturn(const TaxsimReturn&) = delete;
    TaxsimReturn& operator=(const TaxsimReturn&) = delete;

    // Sets every input the row maps to (0 or false where the row has nothing);
    // an error when the row cannot be a return.
    std::optional<RowError> load(const TaxsimRow& row, const ColumnLayout& layout);
    // Computes the return last loaded; an engine error comes back as the row's error.
    std::optional<RowError> compute(Figures& figures);

    const osgrin::iTop& taxReturn() const { return *return_; }

private:
    // A fresh return, open for editing: at the start and after an engine error,
    // so that nothing a failed computation left behind reaches the next row.
    void startReturn();

    osgrin::LawEdition law_;
    std::unique_ptr<osgrin::iTop> return_;
};

}  // namespace tavrel::calc
