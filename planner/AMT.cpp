#include "planner/AMT.h"

#include "planner/MirvaneInfo.h"
#include "planner/PlannerErrors.h"

#include "common/ErrorTrap.h"
#include "common/NumericText.h"

namespace mirvane {

using tavrel::TaxError;
using S = AMT::Stored;

// The property table: every stored value, its text forms, and its file key.
struct AmtProperties {
    using P = tavrel::PropertySpec<AMT>;

    template <Currency S::*M>
    static std::string pattern(const AMT& a) {
        return (a.v_.*M).toPatternText();
    }
    template <Currency S::*M>
    static void letMoney(AMT& a, std::string_view t) {
        if (a.editing_) a.letMoney(M, plannerMoney(t));
    }
    template <bool S::*M>
    static std::string flag(const AMT& a) {
        return tavrel::flagText(a.v_.*M);
    }
    template <bool S::*M>
    static void letFlag(AMT& a, std::string_view t) {
        if (a.editing_) a.letFlag(M, tavrel::toFlag(t));
    }

    static constexpr P kTable[] = {
        {"MaxItemizedTaxDeferred", pattern<&S::MaxItemizedTaxDeferred>, letMoney<&S::MaxItemizedTaxDeferred>,
         "Max Amount Deferred", "0"},
        {"PVNxtAcc", pattern<&S::PVNxtAcc>, letMoney<&S::PVNxtAcc>},
        {"Savings", [](const AMT& a) { return a.v_.Savings.toExactText(); }, letMoney<&S::Savings>},
        {"RatioSavings", [](const AMT& a) { return percentText(a.v_.RatioSavings); },
         [](AMT& a, std::string_view t) {
             if (a.editing_) a.letRatio(plannerMoney(t).toDouble());
         }},
        {"IncreaseCurYrTax", pattern<&S::IncreaseCurYrTax>, letMoney<&S::IncreaseCurYrTax>},
        {"DecreaseNxtYrTax", pattern<&S::DecreaseNxtYrTax>, letMoney<&S::DecreaseNxtYrTax>},
        {"PVSavings", pattern<&S::PVSavings>, letMoney<&S::PVSavings>},
        {"CombinedTaxPVAcc", pattern<&S::CombinedTaxPVAcc>, letMoney<&S::CombinedTaxPVAcc>},
        {"CombinedTaxPV", pattern<&S::CombinedTaxPV>, letMoney<&S::CombinedTaxPV>},
        {"PVNxtYear", pattern<&S::PVNxtYear>, letMoney<&S::PVNxtYear>},
        {"AfterTaxDiscount", [](const AMT& a) { return tavrel::doubleText(a.v_.AfterTaxDiscount); },
         [](AMT& a, std::string_view t) {
             if (!a.editing_) return;
             double d = 0;
             if (!tavrel::parseDouble(t, d)) throw plannerNotANumber();
             a.v_.AfterTaxDiscount = d;
             a.dirty_ = true;
         },
         "After-Tax Discount", "0"},
        {"MaxIncomeAccelerated", pattern<&S::MaxIncomeAccelerated>, letMoney<&S::MaxIncomeAccelerated>,
         "Max Amount Accelerated", "0"},
        {"IncreaseIncome", flag<&S::IncreaseIncome>, letFlag<&S::IncreaseIncome>, "Increase Income", "0"},
        {"DecreaseItemizedTax", flag<&S::DecreaseItemizedTax>, letFlag<&S::DecreaseItemizedTax>, "Decrease SIT", "0"},
        {"AccelerateIncome", flag<&S::AccelerateIncome>, letFlag<&S::AccelerateIncome>, "Accelerate Income", "0"},
        {"DeferItemizedTax", flag<&S::DeferItemizedTax>, letFlag<&S::DeferItemizedTax>, "Defer SIT", "0"},
        {"Line2", [](const AMT& a) { return a.v_.Line2; },
         [](AMT& a, std::string_view t) {
             if (!a.editing_) return;
             a.v_.Line2 = std::string(t);
             a.dirty_ = true;
         }},
        {"LawEdition", [](const AMT& a) { return std::string(osgrin::lawEditionText(a.v_.Law)); },
         [](AMT& a, std::string_view t) {
             if (!a.editing_) return;
             const auto law = osgrin::lawEditionFromText(t);
             if (!law)
                 throw TaxError::standard(
                     tavrel::err::TypeMismatch,
                     "\"" + std::string(t) + "\" is not a law edition (\"2008 Tables\" or \"Enacted\")");
             a.v_.Law = *law;
             a.dirty_ = true;
         },
         "Law Edition", "2008 Tables"},
        {"PlanYear", [](const AMT& a) { return std::to_string(a.v_.PlanYear); },
         [](AMT& a, std::string_view t) {
             if (a.editing_) a.letPlanYear(planYearFromText(t));
         },
         "Plan Year", "2008"},
        {"IsDeleted", [](const AMT& a) -> std::string { return tavrel::flagText(a.deleted_); }},
        {"IsNew", [](const AMT& a) -> std::string { return tavrel::flagText(a.new_); }},
        {"IsDirty", [](const AMT& a) -> std::string { return tavrel::flagText(a.dirty_); }},
    };
};

std::span<const tavrel::PropertySpec<AMT>> amtProperties() { return AmtProperties::kTable; }

AMT::AMT() : points_(std::make_shared<mirvane::Points>()), point_(std::make_shared<mirvane::Point>()) {
    for (int i = 0; i < 4; ++i) {
        returns_[static_cast<std::size_t>(i)] = std::make_shared<iTop>();
        returns_[static_cast<std::size_t>(i)]->setColumnIdx(i + 1);
    }
    v_.AccelerateIncome = true;
    v_.IncreaseIncome = true;
    // The deferral options are switched on through their setters in a brief
    // edit, which marks the new object dirty.
    editing_ = true;
    letFlag(&Stored::DeferItemizedTax, true);
    letFlag(&Stored::DecreaseItemizedTax, true);
    editing_ = false;
}

std::shared_ptr<AMT> AMT::clone() const {
    // A member-wise copy takes every value and flag, including any added later;
    // the returns get copies of their own (the curve stays shared: a search
    // always makes a new one).
    std::shared_ptr<AMT> copy(new AMT(*this));
    for (auto& r : copy->returns_) r = r->clone();
    return copy;
}

std::shared_ptr<AMT> AMT::analysisCopy() const {
    auto copy = clone();
    copy->new_ = false;
    return copy;
}

std::shared_ptr<mirvane::Points> AMT::Points() {
    if (!points_) points_ = std::make_shared<mirvane::Points>();
    return points_;
}

std::string AMT::getProperty(std::string_view name) const {
    const auto* p = tavrel::findProperty(amtProperties(), name);
    if (!p || !p->get) tavrel::raiseNoSuchProperty(name);
    return p->get(*this);
}

void AMT::letProperty(std::string_view name, std::string_view text) {
    const auto* p = tavrel::findProperty(amtProperties(), name);
    if (!p || !p->let) tavrel::raiseNoSuchProperty(name);
    p->let(*this, text);
}

void AMT::letMoney(Currency Stored::*member, Currency value) {
    if (!editing_) return;
    v_.*member = value;
    dirty_ = true;
}

void AMT::letFlag(bool Stored::*member, bool value) {
    if (!editing_) return;
    v_.*member = value;
    dirty_ = true;
}

void AMT::letRatio(double value) {
    if (!editing_) return;
    v_.RatioSavings = value;
    dirty_ = true;
}

void AMT::letPlanYear(std::int16_t year) {
    if (!editing_) return;
    v_.PlanYear = planYearFromText(std::to_string(year));  // the text's rule and message
    dirty_ = true;
}

void AMT::BeginEdit() {
    templateTrap("Template.BeginEdit", [&] {
        takeSnapshot();
        editing_ = true;
    });
}

void AMT::CancelEdit() {
    if (!editing_) throw TaxError::standard(tavrel::err::NotSupported, std::string(kProjectName));
    editing_ = false;
    deleted_ = false;
    dirty_ = false;
    v_ = snapshot_;
}

void AMT::ApplyEdit(std::string_view msFname) {
    templateTrap("Template.ApplyEdit", [&] {
        if (deleted_ && !new_) {
            new_ = true;  // nothing is removed from any file
            deleted_ = false;
        } else if (dirty_ || new_) {
            takeSnapshot();
            Save(msFname);
            dirty_ = false;
            new_ = false;
        }
        dirty_ = false;
        editing_ = false;
    });
}

void AMT::Delete() {
    if (!editing_) throw TaxError::standard(tavrel::err::NotSupported, std::string(kProjectName));
    deleted_ = true;
}

}  // namespace mirvane
