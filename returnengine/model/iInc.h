#pragma once
// Income of a return: wages, self-employment and other income, dividends,
// capital gains and losses with their carryovers, and the lines the income
// rules compute from them.

#include "common/Api.h"

#include "returnengine/model/LineObject.h"

namespace osgrin {

class OSGRIN_API iInc final : public LineObject<iInc, 21> {
public:
    // clang-format off
    enum Line : std::size_t {
        WageSp1, WageSp2, SEIncSp1, SEIncSp2, OtherNonSEInc, Dividends,
        STCG, LTCG, STCLCarryOver, LTCLCarryOver, Sec1231Gains, Sec1231Losses,
        Sec1231Netted,                  // computed, stored at any time, marks dirty
        NetSTCG, NetLTCG, CapGains,     // computed, edit-gated
        AdjNetCG,                       // public, any time, text that is not a number stores 0
        STCLCarryforward, LTCLCarryforward,  // computed, edit-gated
        Sec_1_h_1_B_Amount,             // public, any time, no flags
        // The part of other income that is investment income (interest, rents)
        // for the net investment income tax. Not stored in a scenario: the
        // calculator knows it from its columns; the planner's form does not ask.
        OtherInvestmentInc,
    };
    // clang-format on
    static constexpr std::string_view kLocation = "clsInc.";
    static constexpr bool kIsSubObject = true;
    static constexpr std::array<LineRule, kLineCount> kRules = {{
        rule::input("WageSp1", "Wages Spouse 1"),
        rule::input("WageSp2", "Wages Spouse 2"),
        rule::input("SEIncSp1", "SE Inc Spouse 1"),
        rule::input("SEIncSp2", "SE Inc Spouse 2"),
        rule::input("OtherNonSEInc", "Other Non SE Inc"),
        rule::input("Dividends", "Dividends"),
        rule::input("STCG", "Short Term Cap Gain"),
        rule::input("LTCG", "Long Term Cap Gain"),
        rule::input("STCLCarryOver", "Short Term Cap Carryover"),
        rule::input("LTCLCarryOver", "Long Term Cap Loss Carryover"),
        rule::input("Sec1231Gains", "Sec 1231 Gains"),
        rule::input("Sec1231Losses", "Sec 1231 Losses"),
        rule::ungatedMarking("Sec1231Netted"),
        rule::gated("NetSTCG"),
        rule::gated("NetLTCG"),
        rule::gated("CapGains"),
        {"AdjNetCG", true, false, BadText::StoreZero, false, false},
        rule::gated("STCLCarryforward"),
        rule::gated("LTCLCarryforward"),
        {"Sec_1_h_1_B_Amount", true, false, BadText::NotANumber, false, false},
        rule::input("OtherInvestmentInc"),
    }};
    static std::span<const tavrel::PropertySpec<iInc>> extraProperties() { return {}; }
};

}  // namespace osgrin
