#pragma once
// The lines of the minimum-tax computation of a return, all computed; their
// setters act at any time and touch no flag.

#include "common/Api.h"

#include "returnengine/model/LineObject.h"

namespace osgrin {

class OSGRIN_API iAMT final : public LineObject<iAMT, 15> {
public:
    // clang-format off
    enum Line : std::size_t {
        AGI, MedDed, MortgIntDed, CasualtyDed, CharDed, ItemDed, TaxInc, Exemption,
        TaxIncPostExemption, TAMTAtOrdRates, TAMTAtCGRates, RegularTax, TentativeAMT, AMT,
        QBIDed,  // the qualified-business-income deduction, which the AMT allows too
    };
    // clang-format on
    static constexpr std::string_view kLocation = "iAMT.";
    static constexpr bool kIsSubObject = true;
    static constexpr std::array<LineRule, kLineCount> kRules = {{
        rule::plain("AGI"),
        rule::plain("MedDed"),
        rule::plain("MortgIntDed"),
        rule::plain("CasualtyDed"),
        rule::plain("CharDed"),
        rule::plain("ItemDed"),
        rule::plain("TaxInc"),
        rule::plain("Exemption"),
        rule::plain("TaxIncPostExemption"),
        rule::plain("TAMTAtOrdRates"),
        rule::plain("TAMTAtCGRates"),
        rule::plain("RegularTax"),
        rule::plain("TentativeAMT"),
        rule::plain("AMT"),
        rule::plain("QBIDed"),
    }};
    static std::span<const tavrel::PropertySpec<iAMT>> extraProperties() { return {}; }
};

}  // namespace osgrin
