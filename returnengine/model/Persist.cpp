#include "returnengine/model/Persist.h"

#include "returnengine/model/iTop.h"

#include "common/ErrorTrap.h"
#include "platform/IniProfile.h"

namespace osgrin::Persist {
namespace {

using H = Holder;
constexpr StoredProperty kStored[] = {
    {H::Return, "Version"},
    {H::Return, "Spouse1"},
    {H::Return, "Spouse2"},
    {H::Return, "ScenarioDesc"},
    {H::Return, "TaxYear"},
    {H::Return, "IsSp1Over65"},
    {H::Return, "IsSp1Blind"},
    {H::Return, "IsSp2Over65"},
    {H::Return, "IsSp2Blind"},
    {H::Return, "Dependents"},
    {H::Return, "IsDependent"},
    {H::Return, "FilingStatus"},
    {H::Return, "TotPmts"},
    {H::Income, "LTCG"},
    {H::Income, "LTCLCarryOver"},
    {H::Income, "Dividends"},
    {H::Income, "STCG"},
    {H::Income, "STCLCarryOver"},
    {H::Income, "OtherNonSEInc"},
    {H::Income, "Sec1231Gains"},
    {H::Income, "Sec1231Losses"},
    {H::Income, "SEIncSp1"},
    {H::Income, "SEIncSp2"},
    {H::Income, "WageSp1"},
    {H::Income, "WageSp2"},
    {H::Adjustments, "IRAContribSP1"},
    {H::Adjustments, "IsSp1InRetPlan"},
    {H::Adjustments, "IRAContribSP2"},
    {H::Adjustments, "IsSp2InRetPlan"},
    {H::Adjustments, "OtherAdj2Inc"},
    {H::Adjustments, "SEMedInsPmts"},
    {H::Deductions, "CasualtyDed"},
    {H::Deductions, "CharDed"},
    {H::Deductions, "HomeMortIntAmt"},
    {H::Deductions, "HomeMortIntReg"},
    {H::Deductions, "InvIntDed"},
    {H::Deductions, "MedPmts"},
    {H::Deductions, "MiscDedPmts"},
    {H::Deductions, "OtherIntDed"},
    {H::Deductions, "OtherTaxes"},
    {H::Deductions, "SITPd"},
    {H::OtherTaxes, "OtherTaxes"},
    {H::Credits, "NumOfChildCrChildren"},
    {H::Credits, "OtherCr"},
};

std::string sectionOf(const iTop& r) { return "Scenario" + std::to_string(r.ColumnIdx()); }

}  // namespace

std::span<const StoredProperty> storedProperties() { return kStored; }

tavrel::PropertyBag& holderOf(iTop& r, Holder h) {
    switch (h) {
    case H::Return: return r;
    case H::Income: return r.inc();
    case H::Adjustments: return r.adj();
    case H::Deductions: return r.item();
    case H::OtherTaxes: return r.other();
    case H::Credits: return r.cr();
    }
    return r;
}

const tavrel::PropertyBag& holderOf(const iTop& r, Holder h) { return holderOf(const_cast<iTop&>(r), h); }

KeyAndDefault keyOf(const StoredProperty& p) {
    auto pick = [](auto k) { return KeyAndDefault{k.key, k.defaultValue}; };
    switch (p.holder) {
    case H::Return: return pick(iTop::fileKey(p.name));
    case H::Income: return pick(iInc::fileKey(p.name));
    case H::Adjustments: return pick(osgrin::Adj2Inc::fileKey(p.name));
    case H::Deductions: return pick(osgrin::ItemDed::fileKey(p.name));
    case H::OtherTaxes: return pick(iOtherTaxes::fileKey(p.name));
    case H::Credits: return pick(iTaxCr::fileKey(p.name));
    }
    return {};
}

void Save(std::string_view fileName, const iTop& r) {
    tavrel::guarded("Persist.Save", [&] {
        auto profile = tavrel::platform::createKeyedProfile();
        profile->setFile(fileName);
        const std::string section = sectionOf(r);
        for (const StoredProperty& p : kStored)
            profile->writeValue(section, keyOf(p).key, holderOf(r, p.holder).getProperty(p.name));
        profile->release();
    });
}

void Fetch(std::string_view fileName, iTop& r) {
    tavrel::guarded("Persist.Fetch", [&] {
        if (fileName.empty())
            throw tavrel::TaxError(tavrel::err::NeedFilename, "Need to specify a filename.", std::string(kProjectName));
        auto profile = tavrel::platform::createKeyedProfile();
        profile->setFile(fileName);
        const std::string section = sectionOf(r);
        // A value the file holds wrongly is named by its section and key.
        const std::string sectionLabel = "[" + section + "] ";
        for (const StoredProperty& p : kStored) {
            const KeyAndDefault k = keyOf(p);
            tavrel::guarded(tavrel::Location(sectionLabel, k.key), [&] {
                const std::string value = profile->readValue(section, k.key, k.defaultValue);
                if (p.name != "Version") holderOf(r, p.holder).letProperty(p.name, value);  // Version: read, not used
            });
        }
        profile->release();
    });
}

}  // namespace osgrin::Persist
