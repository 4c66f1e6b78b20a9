#include "OtherTaxesCalc.h"

#include "LawTrap.h"
#include "NumericText.h"
#include "YearLaw.h"
#include "YearRouting.h"
#include "YearRules.h"
#include "iTop.h"

namespace osgrin::OtherTaxesCalc {
namespace {

// Years before 2003 have no FICA rule; they show this figure.
constexpr Currency kNoFicaRule = tavrel::usd(1000000);

// The FICA on wages already known as money.
Currency ficaFor(Currency wages, int year) {
    const int ruleYear = law::routedYear(law::Family::CalcFica, year);
    if (ruleYear == law::kNoFunction) return kNoFicaRule;
    return lawTrap("OtherTaxesCalc.CalcFica", [&] { return law::rules::fica(wages, law::yearLaw(ruleYear)); });
}

}  // namespace

Currency CalcOtherTaxes(iTop& r) {
    return lawTrap("OtherTaxesCalc.CalcOtherTaxes", [&] {
        iOtherTaxes& other = r.other();
        const Currency entered = other.whole(iOtherTaxes::OtherTaxes);
        const Currency se1 = CalcSETax(r, 0);
        other.set(iOtherTaxes::SETaxSp1, se1);
        Currency se2;
        if (r.FilingStatus() == 2) se2 = CalcSETax(r, 1);
        // Written for every status, so a spouse-2 tax left by an earlier computation
        // under another status is never carried into the deduction.
        other.set(iOtherTaxes::SETaxSp2, se2);
        const int year = r.TaxYear();
        const iInc& inc = r.inc();
        // The wages travel as the properties' whole-dollar amounts.
        other.set(iOtherTaxes::FicaSp1, ficaFor(inc.whole(iInc::WageSp1), year));
        other.set(iOtherTaxes::FicaSp2, ficaFor(inc.whole(iInc::WageSp2), year));
        return se1 + se2 + entered;
    });
}

Currency CalcSETax(iTop& r, int spouse) {
    return lawTrap("OtherTaxesCalc.CalcSETax", [&] {
        const int year = law::routedYear(law::Family::CalcSETax, r.TaxYear());
        if (year == law::kNoFunction) return Currency();
        return law::yearFunctions(year).CalcSETax(r, spouse);
    });
}

std::string CalcFica(std::string_view wages, std::int16_t year) {
    return lawTrap("OtherTaxesCalc.CalcFica", [&] {
        const std::string_view text = tavrel::isNumeric(wages) ? wages : std::string_view("0");
        const int ruleYear = law::routedYear(law::Family::CalcFica, year);
        if (ruleYear == law::kNoFunction) return kNoFicaRule.toExactText();
        return law::yearFunctions(ruleYear).CalcFica(text).toExactText();
    });
}

}  // namespace osgrin::OtherTaxesCalc
