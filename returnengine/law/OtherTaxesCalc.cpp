#include "returnengine/law/OtherTaxesCalc.h"

#include "returnengine/law/LawTrap.h"
#include "common/NumericText.h"
#include "returnengine/law/EntryPoints.h"
#include "returnengine/law/YearRules.h"
#include "returnengine/model/iTop.h"

namespace osgrin::OtherTaxesCalc {
namespace {

// Years before 2003 have no FICA rule; they show this figure.
constexpr Currency kNoFicaRule = tavrel::usd(1000000);

// The FICA on wages already known as money, under the return's law.
Currency ficaFor(const iTop& r, Currency wages) {
    const law::YearLaw* row = law::rowFor(r, law::Family::CalcFica);
    if (!row) return kNoFicaRule;
    return lawTrap("OtherTaxesCalc.CalcFica", [&] { return law::rules::fica(wages, *row); });
}

}  // namespace

Currency CalcOtherTaxes(iTop& r) {
    return lawTrap("OtherTaxesCalc.CalcOtherTaxes", [&] {
        iOtherTaxes& other = r.other();
        const Currency entered = other.whole(iOtherTaxes::OtherTaxes);
        const Currency se1 = CalcSETax(r, 0);
        other.set(iOtherTaxes::SETaxSp1, se1);
        Currency se2;
        if (law::statusOf(r.FilingStatus()) == law::Status::Joint) se2 = CalcSETax(r, 1);
        // Written for every status, so a spouse-2 tax left by an earlier computation
        // under another status is never carried into the deduction.
        other.set(iOtherTaxes::SETaxSp2, se2);
        const iInc& inc = r.inc();
        // The wages travel as the properties' whole-dollar amounts.
        other.set(iOtherTaxes::FicaSp1, ficaFor(r, inc.whole(iInc::WageSp1)));
        other.set(iOtherTaxes::FicaSp2, ficaFor(r, inc.whole(iInc::WageSp2)));
        // The two surtaxes (2013 on) are other taxes: the AMT neither reduces
        // them nor is reduced by them.
        const law::YearLaw& law = law::yearRules(r);
        const Currency niit = law::rules::netInvestmentIncomeTax(r, law);
        other.set(iOtherTaxes::NetInvestmentIncomeTax, niit);
        const Currency medicare = law::rules::additionalMedicareTax(r, law);
        other.set(iOtherTaxes::AdditionalMedicareTax, medicare);
        return se1 + se2 + entered + niit + medicare;
    });
}

Currency CalcSETax(iTop& r, int spouse) {
    return lawTrap("OtherTaxesCalc.CalcSETax", [&] {
        const int year = law::routedYear(r, law::Family::CalcSETax);
        if (year == law::kNoFunction) return Currency();
        return law::entry::CalcSETax(r, year, spouse);
    });
}

std::string CalcFica(std::string_view wages, std::int16_t year) {
    return lawTrap("OtherTaxesCalc.CalcFica", [&] {
        const std::string_view text = tavrel::isNumeric(wages) ? wages : std::string_view("0");
        // No return to say otherwise: the 2008 tables.
        const law::Edition& tables = law::tables2008Edition();
        const int ruleYear = law::routedYear(tables, law::Family::CalcFica, year);
        if (ruleYear == law::kNoFunction) return kNoFicaRule.toExactText();
        return law::entry::CalcFica(tables.id, text, ruleYear).toExactText();
    });
}

}  // namespace osgrin::OtherTaxesCalc
