#pragma once
// Adjustments to income of a return: IRA contributions and plan coverage,
// self-employed health insurance, other adjustments, and the deductions the
// adjustment rules compute from them.

#include "common/Api.h"

#include "returnengine/model/LineObject.h"

namespace osgrin {

class OSGRIN_API Adj2Inc final : public LineObject<Adj2Inc, 8> {
public:
    // clang-format off
    enum Line : std::size_t {
        IRAContribSP1, IRAContribSP2, SEMedInsPmts, OtherAdj2Inc,
        IRADedSp1, IRADedSp2, SEMedInsDed, SETaxDed,  // computed, edit-gated
    };
    // clang-format on
    static constexpr std::string_view kLocation = "clsAdj2Inc.";
    static constexpr bool kIsSubObject = true;
    static constexpr std::array<LineRule, kLineCount> kRules = {{
        rule::input("IRAContribSP1", "IRA Contrib Spouse 1"),
        rule::input("IRAContribSP2", "IRA Contrib Spouse 2"),
        rule::input("SEMedInsPmts", "SE Med Ins Pmts"),
        rule::input("OtherAdj2Inc", "Other Adj To Income"),
        rule::gated("IRADedSp1"),
        rule::gated("IRADedSp2"),
        rule::gated("SEMedInsDed"),
        rule::gated("SETaxDed"),
    }};
    static std::span<const tavrel::PropertySpec<Adj2Inc>> extraProperties();

    bool IsSp1InRetPlan() const { return sp1InRetPlan_; }
    bool IsSp2InRetPlan() const { return sp2InRetPlan_; }
    void letIsSp1InRetPlan(bool v) { letInputFlag(sp1InRetPlan_, v); }
    void letIsSp2InRetPlan(bool v) { letInputFlag(sp2InRetPlan_, v); }

private:
    bool sp1InRetPlan_ = false;
    bool sp2InRetPlan_ = false;
};

}  // namespace osgrin
