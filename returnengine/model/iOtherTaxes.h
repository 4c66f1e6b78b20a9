#pragma once
// Other taxes of a return: the user's other taxes, each spouse's self-employment
// tax and, for information, each spouse's employee FICA on wages.

#include "common/Api.h"

#include "returnengine/model/LineObject.h"

#include <cstdint>

namespace osgrin {

class OSGRIN_API iOtherTaxes final : public LineObject<iOtherTaxes, 7> {
public:
    // NetInvestmentIncomeTax and AdditionalMedicareTax: the two surtaxes (2013 on), in OtherTax.
    enum Line : std::size_t {
        OtherTaxes,
        SETaxSp1,
        SETaxSp2,
        FicaSp1,
        FicaSp2,
        NetInvestmentIncomeTax,
        AdditionalMedicareTax,
    };
    static constexpr std::string_view kLocation = "OtherTaxes.";
    static constexpr bool kIsSubObject = true;
    static constexpr std::array<LineRule, kLineCount> kRules = {{
        rule::input("OtherTaxes", "Other Taxes"),
        rule::gated("SETaxSp1"),
        rule::gated("SETaxSp2"),
        {"FicaSp1", true, false, BadText::TypeMismatch, false, false},
        {"FicaSp2", true, false, BadText::TypeMismatch, false, false},
        rule::plain("NetInvestmentIncomeTax"),
        rule::plain("AdditionalMedicareTax"),
    }};
    static std::span<const tavrel::PropertySpec<iOtherTaxes>> extraProperties() { return {}; }

    // The employee FICA on the wages (text; not a number counts as 0) under the
    // law of the year, as exact decimal text; changes no member.
    std::string CalcFicaMethod(std::string_view vsWages, std::int16_t vnYear) const;
};

}  // namespace osgrin
