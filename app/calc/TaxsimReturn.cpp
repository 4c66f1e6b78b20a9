#include "calc/TaxsimReturn.h"

#include "returnengine/model/iTop.h"

#include "common/FilingStatus.h"
#include "common/TaxError.h"

namespace tavrel::calc {
namespace {

using osgrin::iInc;
using osgrin::ItemDed;
using osgrin::iTop;

constexpr std::int64_t kFirstYear = 2001, kLastYear = 2026;
constexpr std::int64_t kMostDependents = 999;

// The household a row describes, checked.
struct Household {
    std::int16_t year = 0;
    std::int32_t filingStatus = 0;
    bool dependentFiler = false;
    std::int16_t exemptions = 0;
    std::int16_t childrenUnder17 = 0;
    bool sp1Over65 = false, sp2Over65 = false;
};

std::int64_t wholeOf(Currency c) { return c.scaled() / Currency::kScale; }
std::string text(Currency c) { return c.toExactText(); }
RowError invalid(std::string message) { return {err::InvalidCall, std::move(message)}; }

// Children under 17 for the child credit. Counts given as dep17 come first;
// then the ages, where only dependents with an age given can be known to be
// children (as TAXSIM counts); without either, every dependent is one.
std::optional<RowError> countChildren(const TaxsimRow& row, const ColumnLayout& layout, std::int64_t dependents,
                                      std::int16_t& children) {
    if (layout.hasDependentCounts) {
        const std::int64_t under17 = wholeOf(row[Column::Dep17]);
        if (under17 > dependents)
            return invalid("dep17 is " + std::to_string(under17) + " but depx is " + std::to_string(dependents));
        children = static_cast<std::int16_t>(under17);
        return std::nullopt;
    }
    std::int64_t given = 0, under17 = 0;
    for (const Column c : {Column::Age1, Column::Age2, Column::Age3}) {
        if (row[c].isZero()) continue;
        ++given;
        if (row[c] < usd(17)) ++under17;
    }
    if (given == 0) {
        children = static_cast<std::int16_t>(dependents);
        return std::nullopt;
    }
    if (given > dependents)
        return invalid("age1 to age3 give " + std::to_string(given) + " ages but depx is " +
                       std::to_string(dependents));
    children = static_cast<std::int16_t>(under17);
    return std::nullopt;
}

std::optional<RowError> readHousehold(const TaxsimRow& row, const ColumnLayout& layout, Household& h) {
    const std::int64_t year = wholeOf(row[Column::Year]);
    if (year < kFirstYear || year > kLastYear)
        return invalid("tax year " + text(row[Column::Year]) + " is outside 2001 to 2026");
    h.year = static_cast<std::int16_t>(year);

    const std::int64_t dependents = wholeOf(row[Column::Depx]);
    if (dependents > kMostDependents)
        return invalid("depx " + std::to_string(dependents) + " is more than " + std::to_string(kMostDependents));

    const std::int64_t mstat = wholeOf(row[Column::Mstat]);
    std::int64_t filers = 1;
    switch (mstat) {
    case 1: h.filingStatus = dependents > 0 ? fl_head_household : fl_single; break;
    case 2:
        h.filingStatus = fl_joint;
        filers = 2;
        break;
    case 6: h.filingStatus = fl_mar_sep; break;
    case 8:
        h.filingStatus = fl_single;
        h.dependentFiler = true;
        filers = 0;
        break;
    default: return invalid("mstat " + text(row[Column::Mstat]) + " is not 1, 2, 6 or 8");
    }
    // Someone another taxpayer claims can claim no one: the law gives a
    // dependent filer no exemptions and no child credit.
    if (mstat == 8 && dependents > 0)
        return invalid("depx " + std::to_string(dependents) +
                       " on a dependent's return (mstat 8), which claims no one");
    if (mstat == 1 || mstat == 8) {
        if (!row[Column::Sage].isZero())
            return invalid("sage " + text(row[Column::Sage]) + " on a return without a spouse (mstat " +
                           std::to_string(mstat) + ")");
    }
    if (h.filingStatus != fl_joint) {
        for (const auto& [column, name] : {std::pair{Column::Swages, "swages"}, std::pair{Column::Ssemp, "ssemp"}}) {
            if (!row[column].isZero())
                return invalid(std::string(name) + " " + text(row[column]) + " on a return that is not joint (mstat " +
                               std::to_string(mstat) + ")");
        }
    }
    h.exemptions = static_cast<std::int16_t>(filers + dependents);
    h.sp1Over65 = row[Column::Page] >= usd(65);
    h.sp2Over65 = row[Column::Sage] >= usd(65);
    return countChildren(row, layout, dependents, h.childrenUnder17);
}

// Interest, pensions and other income share one line of the return.
std::optional<Currency> otherIncome(const TaxsimRow& row) {
    std::int64_t sum = 0;
    for (const Column c : {Column::Intrec, Column::Pensions, Column::Otherprop, Column::Nonprop})
        if (__builtin_add_overflow(sum, row[c].scaled(), &sum)) return std::nullopt;
    const Currency total = Currency::fromScaled(sum);
    if (!total.hasStorableText()) return std::nullopt;
    return total;
}

// The part of it that is investment income for the net investment income tax:
// interest and other property income (within the sum above, so it cannot overflow).
Currency investmentIncome(const TaxsimRow& row) { return row[Column::Intrec] + row[Column::Otherprop]; }

// An engine error as the row's error: its number, its description and the
// first line of where it arose.
RowError engineError(const TaxError& e) {
    std::string message = e.description();
    const std::string_view source = e.source();
    const std::string_view where = source.substr(0, source.find_first_of("\r\n"));
    if (!where.empty()) message.append(": ").append(where);
    return {e.number(), std::move(message)};
}

}  // namespace

TaxsimReturn::TaxsimReturn(osgrin::LawEdition law) : law_(law) { startReturn(); }

TaxsimReturn::~TaxsimReturn() = default;

void TaxsimReturn::startReturn() {
    return_ = std::make_unique<iTop>();
    return_->setLawEdition(law_);
    return_->BeginEdit();
}

std::optional<RowError> TaxsimReturn::load(const TaxsimRow& row, const ColumnLayout& layout) {
    Household h;
    if (auto e = readHousehold(row, layout, h)) return e;
    const std::optional<Currency> other = otherIncome(row);
    if (!other) return RowError{err::Overflow, "intrec + pensions + otherprop + nonprop is out of range"};
    iTop& r = *return_;
    try {
        r.letTaxYearNumber(h.year);
        r.letFilingStatus(h.filingStatus);
        r.letIsDependent(h.dependentFiler);
        r.letDependentCount(h.exemptions);
        r.letIsSp1Over65(h.sp1Over65);
        r.letIsSp2Over65(h.sp2Over65);
        r.cr().letChildCount(h.childrenUnder17);

        iInc& inc = r.inc();
        inc.letAmount(iInc::WageSp1, row[Column::Pwages]);
        inc.letAmount(iInc::WageSp2, row[Column::Swages]);
        inc.letAmount(iInc::SEIncSp1, row[Column::Psemp]);
        inc.letAmount(iInc::SEIncSp2, row[Column::Ssemp]);
        inc.letAmount(iInc::Dividends, row[Column::Dividends]);
        inc.letAmount(iInc::OtherNonSEInc, *other);
        inc.letAmount(iInc::OtherInvestmentInc, investmentIncome(row));
        inc.letAmount(iInc::STCG, row[Column::Stcg]);
        inc.letAmount(iInc::LTCG, row[Column::Ltcg]);

        ItemDed& item = r.item();
        item.letAmount(ItemDed::OtherTaxes, row[Column::Proptax]);
        item.letAmount(ItemDed::SITPd, row[Column::Otheritem]);
        item.letAmount(ItemDed::HomeMortIntReg, row[Column::Mortgage]);
    } catch (const TaxError& e) {
        startReturn();
        return engineError(e);
    }
    return std::nullopt;
}

std::optional<RowError> TaxsimReturn::compute(Figures& figures) {
    iTop& r = *return_;
    try {
        r.Calculate();
    } catch (const TaxError& e) {
        startReturn();
        return engineError(e);
    }
    const ItemDed& item = r.item();
    const bool itemizes = item.itemizing();
    auto& v = figures.values;
    v[Figures::Agi] = r.get(iTop::AGI);
    v[Figures::StandardDeduction] = itemizes ? Currency() : item.get(ItemDed::StdDed);
    v[Figures::Exemptions] = r.get(iTop::ExemptionDed);
    v[Figures::ItemizedDeductions] = itemizes ? item.get(ItemDed::TotNet) : Currency();
    v[Figures::TaxableIncome] = r.get(iTop::TaxInc);
    v[Figures::AmtIncome] = r.amt().get(osgrin::iAMT::TaxInc);
    v[Figures::Amt] = r.amt().get(osgrin::iAMT::AMT);
    v[Figures::RegularTax] = r.get(iTop::IncTax);
    v[Figures::TentativeMinimumTax] = r.amt().get(osgrin::iAMT::TentativeAMT);
    v[Figures::ChildCredit] = r.cr().get(osgrin::iTaxCr::ChildCr);
    v[Figures::TotalTax] = r.get(iTop::TotTax);
    v[Figures::QbiDeduction] = r.get(iTop::QBIDed);
    v[Figures::NetInvestmentIncomeTax] = r.other().get(osgrin::iOtherTaxes::NetInvestmentIncomeTax);
    v[Figures::AdditionalMedicareTax] = r.other().get(osgrin::iOtherTaxes::AdditionalMedicareTax);
    return std::nullopt;
}

}  // namespace tavrel::calc
