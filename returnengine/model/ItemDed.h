#pragma once
// Itemized deductions of a return, the deduction lines computed from them, the
// standard deduction and the exemptions.

#include "common/Api.h"

#include "returnengine/model/LineObject.h"

namespace osgrin {

class OSGRIN_API ItemDed final : public LineObject<ItemDed, 24> {
public:
    // clang-format off
    enum Line : std::size_t {
        MedPmts, SITPd, OtherTaxes, HomeMortIntAmt, HomeMortIntReg, InvIntExp, InvIntDed,
        OtherIntDed, CharDed, CasualtyDed, MiscDedPmts,
        MedDed, TaxDed, IntDed, TotGross, TotNet, MiscDed, TotReduction,  // computed, edit-gated
        ExemptionDedGross, ExemptionDedPhaseOut, ExemptionDedNet,         // any time, marks dirty
        StdDed,                                                           // any time, clears calculated only
        SaltCapCut, CharityFloorCut,  // computed, edit-gated: what the cap and the floor take away
    };
    // clang-format on
    static constexpr std::string_view kLocation = "clsItemDed.";
    static constexpr bool kIsSubObject = true;
    // HomeMortIntReg is the interest that both the regular tax and the AMT allow;
    // HomeMortIntAmt the interest that only the regular tax allows. The file keys
    // keep their historical names.
    static constexpr std::array<LineRule, kLineCount> kRules = {{
        rule::input("MedPmts", "Med Pmts"),
        rule::input("SITPd", "SIT Pd"),
        rule::input("OtherTaxes", "Other Taxes Pd"),
        rule::input("HomeMortIntAmt", "Mort Amt Ded"),
        rule::input("HomeMortIntReg", "Mort Non Amt Ded"),
        rule::input("InvIntExp"),
        rule::input("InvIntDed", "Investment Interest Ded"),
        rule::input("OtherIntDed", "Other Int Deductions"),
        rule::input("CharDed", "Charitable Ded"),
        rule::input("CasualtyDed", "Casualty Loss Ded"),
        rule::input("MiscDedPmts", "Misc Ded Pmts"),
        rule::gated("MedDed"),
        rule::gated("TaxDed"),
        rule::gated("IntDed"),
        rule::gated("TotGross"),
        rule::gated("TotNet"),
        rule::gated("MiscDed"),
        rule::gated("TotReduction"),
        rule::ungatedMarking("ExemptionDedGross"),
        rule::ungatedMarking("ExemptionDedPhaseOut"),
        rule::ungatedMarking("ExemptionDedNet"),
        {"StdDed", false, false, BadText::NotANumber, false, true},
        rule::gated("SaltCapCut"),
        rule::gated("CharityFloorCut"),
    }};
    static std::span<const tavrel::PropertySpec<ItemDed>> extraProperties() { return {}; }

    // Whether the last computation itemized (library-internal, no public access).
    bool itemizing() const { return itemizing_; }
    void setItemizing(bool v) { itemizing_ = v; }

private:
    bool itemizing_ = false;
};

}  // namespace osgrin
