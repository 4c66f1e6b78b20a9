// The planner's own section of a scenario file, and the copy of the entered
// returns into the working returns that prepares an analysis.
#include "planner/AMT.h"
#include "planner/AmtTables.h"
#include "planner/PlannerErrors.h"

#include "platform/IniProfile.h"
#include "returnengine/model/Persist.h"

namespace mirvane {
namespace {

constexpr std::string_view kSection = "AMT";

// The planner's stored options in the order of its section.
constexpr std::string_view kSectionOrder[] = {
    "AccelerateIncome",    "IncreaseIncome",       "DeferItemizedTax",
    "DecreaseItemizedTax", "MaxIncomeAccelerated", "MaxItemizedTaxDeferred",
    "AfterTaxDiscount",    "LawEdition",           "PlanYear",
};

// Stored only when the value is not the default or the file already holds the
// key: a scenario that plans the default year saves byte for byte as before
// the key existed, and a key once written is kept up to date.
constexpr std::string_view kWrittenWhenSet[] = {"PlanYear"};

// A value no line of a file can hold: the key is missing.
constexpr std::string_view kMissing = "\n";

bool writtenWhenSet(std::string_view name) {
    for (std::string_view n : kWrittenWhenSet)
        if (n == name) return true;
    return false;
}

using osgrin::Persist::Holder;
using Copied = CopiedProperty;
// The inputs the input form edits, copied in this order. Other-interest
// deductions are copied too, so that the deferred columns compare like with like.
// clang-format off
constexpr Copied kCopied[] = {
    {Holder::Return, "Spouse1"},          {Holder::Return, "Spouse2"},          {Holder::Return, "ScenarioDesc"},
    {Holder::Return, "FilingStatus"},     {Holder::Return, "Dependents"},       {Holder::Return, "IsSp1Blind"},
    {Holder::Return, "IsSp2Blind"},       {Holder::Return, "IsSp1Over65"},      {Holder::Return, "IsSp2Over65"},
    {Holder::Income, "WageSp1"},          {Holder::Income, "WageSp2"},          {Holder::Income, "SEIncSp1"},
    {Holder::Income, "SEIncSp2"},         {Holder::Income, "LTCG"},             {Holder::Income, "STCG"},
    {Holder::Income, "OtherNonSEInc"},    {Holder::Adjustments, "OtherAdj2Inc"}, {Holder::Deductions, "MedPmts"},
    {Holder::Deductions, "OtherTaxes"},   {Holder::Deductions, "HomeMortIntReg"},
    {Holder::Deductions, "HomeMortIntAmt"}, {Holder::Deductions, "CasualtyDed"}, {Holder::Deductions, "CharDed"},
    {Holder::Deductions, "MiscDedPmts"},  {Holder::Deductions, "SITPd"},      {Holder::Deductions, "OtherIntDed"},
};
// clang-format on

// The table row of a stored property (file key and default).
const tavrel::PropertySpec<AMT>& storedRow(std::string_view name) {
    return *tavrel::findProperty(amtProperties(), name);
}

void copyReturn(const iTop& from, iTop& to) {
    for (const Copied& c : kCopied)
        osgrin::Persist::holderOf(to, c.holder)
            .letProperty(c.name, osgrin::Persist::holderOf(from, c.holder).getProperty(c.name));
}

}  // namespace

std::span<const std::string_view> amtSectionOrder() { return kSectionOrder; }

void AMT::Save(std::string_view msFname) {
    templateTrap("Template.Save", [&] {
        auto profile = tavrel::platform::createKeyedProfile();
        profile->setFile(msFname);
        for (std::string_view name : kSectionOrder) {
            const auto& row = storedRow(name);
            const std::string value = getProperty(name);
            if (writtenWhenSet(name) && value == row.fileDefault &&
                profile->readValue(kSection, row.fileKey, kMissing) == kMissing)
                continue;
            profile->writeValue(kSection, row.fileKey, value);
        }
        profile->release();
    });
}

void AMT::Fetch(std::string_view msFname) {
    templateTrap("Template.Fetch", [&] {
        BeginEdit();
        for (const auto& r : returns_) r->BeginEdit();
        if (msFname.empty()) throw plannerError(tavrel::err::NeedFilename);
        auto profile = tavrel::platform::createKeyedProfile();
        profile->setFile(msFname);
        // A value the file holds wrongly is named by its section and key.
        for (std::string_view name : kSectionOrder) {
            const auto& p = storedRow(name);
            tavrel::guarded(tavrel::Location("[AMT] ", p.fileKey),
                            [&] { letProperty(name, profile->readValue(kSection, p.fileKey, p.fileDefault)); });
        }
        profile->release();
    });
}

void AMT::Load(std::string_view msFname) {
    templateTrap("Template.Load", [&] {
        Fetch(msFname);
        takeSnapshot();
        new_ = false;
    });
}

void AMT::CopyObject() {
    templateTrap("Template.CopyObject", [&] {
        copyReturn(cur(), curAcc());
        copyReturn(nxt(), nxtAcc());
    });
}

std::span<const CopiedProperty> copiedProperties() { return kCopied; }

}  // namespace mirvane
