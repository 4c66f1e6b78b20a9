#include "planner/Calculate.h"

#include "planner/AMT.h"
#include "planner/PlannerErrors.h"
#include "planner/TaxYears.h"

#include "common/NumericText.h"

#include <utility>

namespace mirvane {
namespace {

using osgrin::ItemDed;

constexpr int kSweepPoints = 501;
// A combined tax of this or more never becomes the best amount.
constexpr Currency kNoLowest = tavrel::usd(999999999);

enum class Evaluation { Sweep, Final };

// A return's combined regular and minimum tax, as its property reads.
Currency taxOf(const iTop& r) { return r.whole(iTop::RegAndAmtTax); }

// The discount rate as it travels between the objects: the Double's plain text.
double discountRate(const AMT& p) {
    double rate = 0;
    tavrel::parseDouble(tavrel::doubleText(p.values().AfterTaxDiscount), rate);
    return rate;
}

// Writes the seven results in their order; the ratio is carried across the
// evaluations of one call.
void evaluate(AMT& p, Evaluation mode, double rate, Currency& ratio) {
    using S = AMT::Stored;
    const Currency pvNxtYear = c_calculate::presentValue(taxOf(p.nxt()), rate);
    p.letMoney(&S::PVNxtYear, pvNxtYear);
    const Currency pvNxtAcc = c_calculate::presentValue(taxOf(p.nxtAcc()), rate);
    p.letMoney(&S::PVNxtAcc, pvNxtAcc);
    const Currency combined = pvNxtYear + taxOf(p.cur());
    p.letMoney(&S::CombinedTaxPV, combined);
    const Currency combinedAcc = pvNxtAcc + taxOf(p.curAcc());
    p.letMoney(&S::CombinedTaxPVAcc, combinedAcc);
    const Currency savings = combined - combinedAcc;
    p.letMoney(&S::PVSavings, savings);
    const Currency increase = taxOf(p.curAcc()) - taxOf(p.cur());
    p.letMoney(&S::IncreaseCurYrTax, increase);
    if (mode == Evaluation::Sweep) {
        ratio = increase.isZero() ? tavrel::usd(1) : Currency::fromDouble4(savings.toDouble() / increase.toDouble());
    } else if (increase > Currency()) {
        ratio = Currency::fromDouble4(savings.toDouble() / increase.toDouble());
    }
    p.letRatio(ratio.toDouble());
}

void recalculateWorkingReturns(AMT& p) {
    p.curAcc().Calculate();
    p.nxtAcc().Calculate();
}

// Steps 3 to 9: sweep the 501 amounts, record the curve, keep the cheapest.
void search(AMT& p, double rate, Currency& ratio) {
    using S = AMT::Stored;
    const Currency most = p.values().MaxItemizedTaxDeferred.roundDollarsAwayFromZero();
    const Currency available = p.cur().item().whole(ItemDed::OtherTaxes);
    Currency cap = most <= available ? most : available;
    if (cap < Currency()) cap = Currency();  // nothing negative can be deferred
    const Currency step = Currency::fromDouble4(cap.toDouble() / (kSweepPoints - 1));
    auto& table = p.sweepTable();
    table.assign(kSweepPoints + 1, {});

    ProgressObserver* progress = p.progressObserver();
    if (progress) progress->started(0, kSweepPoints);
    // Every point is placed from the copied amounts, so no rounding accumulates.
    const Currency curCopied = p.curAcc().item().whole(ItemDed::OtherTaxes);
    const Currency nxtCopied = p.nxtAcc().item().whole(ItemDed::OtherTaxes);
    for (int i = 1; i <= kSweepPoints; ++i) {
        if (progress && i % 50 == 0) progress->advanced(i);
        const Currency amount = step.timesWhole(i - 1);
        c_calculate::DecreaseSITpd(p, curCopied, nxtCopied, amount);
        recalculateWorkingReturns(p);
        evaluate(p, Evaluation::Sweep, rate, ratio);
        ArrayPts::CalcArrayPts(p, static_cast<std::int16_t>(i), amount);
    }
    if (progress) progress->finished();

    // The first (smallest) amount strictly cheaper than no deferral, and cheaper
    // than every earlier point, wins.
    auto curve = std::make_shared<Points>();
    curve->reserve(kSweepPoints);
    p.setPoints(curve);
    Currency low = p.values().CombinedTaxPV.roundDollarsAwayFromZero();
    Currency lowest = kNoLowest;
    Currency best;
    for (int i = 1; i <= kSweepPoints; ++i) {
        const AMT::SweepRecord& rec = table[static_cast<std::size_t>(i)];
        if (rec.cCombinedTax < low) {
            low = rec.cCombinedTax;
            if (low < lowest) {
                lowest = low;
                best = rec.cAccelInc;
            }
        }
        p.setPoint(curve->Add(rec.cAccelInc, rec.cCombinedTax));
    }
    p.letMoney(&S::MaxItemizedTaxDeferred, best);
    p.letFlag(&S::DeferItemizedTax, true);
}

}  // namespace

namespace c_calculate {

namespace {
Currency presentValueUnguarded(Currency amount, double ratePercent) {
    if (ratePercent == -100.0) throw tavrel::TaxError::standard(tavrel::err::DivisionByZero, std::string(kProjectName));
    if (ratePercent < -100.0) throw tavrel::TaxError::standard(tavrel::err::InvalidCall, std::string(kProjectName));
    const double factor = 1.0 / (ratePercent * 0.01 + 1.0);
    return Currency::fromDouble4(amount.toDouble() * factor).roundDollarsEven();
}
}  // namespace

Currency presentValue(Currency amount, double ratePercent) {
    return templateTrap("c_calculate.CalcPresValue", [&] { return presentValueUnguarded(amount, ratePercent); });
}

Currency CalcPresValue(std::string_view amount, std::string_view rate) {
    return templateTrap("c_calculate.CalcPresValue", [&] {
        double r = 0;
        if (!tavrel::parseDouble(rate, r))
            throw tavrel::TaxError::standard(tavrel::err::TypeMismatch, std::string(kProjectName));
        return presentValueUnguarded(plannerMoney(amount), r);
    });
}

void DecreaseSITpd(AMT& p, Currency curCopied, Currency nxtCopied, Currency amount) {
    templateTrap("c_calculate.DecreaseSITpd", [&] {
        p.curAcc().item().letAmount(ItemDed::OtherTaxes, curCopied - amount);
        p.nxtAcc().item().letAmount(ItemDed::OtherTaxes, nxtCopied + amount);
    });
}

void CalcSITDed(AMT& p) {
    templateTrap("c_calculate.CalcSITDed", [&] {
        const Currency amount = p.values().MaxItemizedTaxDeferred.roundDollarsAwayFromZero();
        ItemDed& cur = p.curAcc().item();
        ItemDed& nxt = p.nxtAcc().item();
        cur.letAmount(ItemDed::OtherTaxes, cur.whole(ItemDed::OtherTaxes) - amount);
        nxt.letAmount(ItemDed::OtherTaxes, nxt.whole(ItemDed::OtherTaxes) + amount);
    });
}

void RunAnalysis(AMT& p) {
    const double rate = discountRate(p);
    Currency ratio;  // starts at 0 on each call
    if (p.values().DecreaseItemizedTax && p.values().DeferItemizedTax) search(p, rate, ratio);
    if (!p.values().DeferItemizedTax) return;  // no deferral: nothing more is written
    CalcSITDed(p);
    recalculateWorkingReturns(p);
    evaluate(p, Evaluation::Final, rate, ratio);
}

void EvaluateWithoutDeferral(AMT& p) {
    templateTrap("c_calculate.EvaluateWithoutDeferral", [&] {
        recalculateWorkingReturns(p);
        Currency ratio;
        evaluate(p, Evaluation::Final, discountRate(p), ratio);
    });
}

}  // namespace c_calculate

namespace ArrayPts {
void CalcArrayPts(AMT& p, std::int16_t index, Currency amount) {
    templateTrap("ArrayPts.CalcArrayPts", [&] {
        auto& record = p.sweepTable().at(static_cast<std::size_t>(index));
        record.cAccelInc = amount;
        record.cCombinedTax = p.values().CombinedTaxPVAcc.roundDollarsAwayFromZero();
    });
}
}  // namespace ArrayPts

void AMT::Calculate() {
    templateTrap("Template.Calculate", [&] {
        if (new_) throw plannerError(tavrel::err::NeedCompleteInfo);
        c_calculate::RunAnalysis(*this);
    });
}

void RunAnalysisProtocol(AMT& p) {
    p.CopyObject();
    p.cur().Calculate();
    p.nxt().Calculate();
    // The working returns are computed under the entered returns' law: the
    // plan year, and the next year under its own law where the edition has one.
    for (auto [entered, working] : {std::pair{&p.cur(), &p.curAcc()}, std::pair{&p.nxt(), &p.nxtAcc()}})
        working->setLawEdition(entered->lawEdition());
    p.curAcc().letTaxYearNumber(currentTaxYear(p));
    p.nxtAcc().letTaxYearNumber(nextColumnLawYear(p.nxt().lawEdition(), currentTaxYear(p)));
    p.Calculate();
    using S = AMT::Stored;
    if (p.values().DecreaseItemizedTax && p.values().DeferItemizedTax) {
        // The search left its total move in the working returns: start again from
        // fresh copies and evaluate the chosen amount alone.
        p.CopyObject();
        p.letFlag(&S::DecreaseItemizedTax, false);
        p.Calculate();
        p.letFlag(&S::DecreaseItemizedTax, true);
    } else if (!p.values().DeferItemizedTax) {
        c_calculate::EvaluateWithoutDeferral(p);
    }
}

}  // namespace mirvane
