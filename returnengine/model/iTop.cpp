#include "returnengine/model/iTop.h"

#include "returnengine/model/Persist.h"
#include "returnengine/model/TopComputations.h"

#include "common/FixedText.h"

#include <chrono>

namespace osgrin {
namespace {

using tavrel::Location;
using tavrel::TaxError;
using P = tavrel::PropertySpec<iTop>;

std::string boolText(bool b) { return tavrel::flagText(b); }

constexpr P kExtra[] = {
    {"Taxpayer", [](const iTop& r) { return r.Taxpayer(); }},
    {"Version", [](const iTop& r) { return r.Version(); }, nullptr, "Version", ""},
    {"ColumnIdx", [](const iTop& r) { return std::to_string(r.ColumnIdx()); },
     [](iTop& r, std::string_view t) { r.setColumnIdx(tavrel::toInt32(t)); }},
    {"IsCalculated", [](const iTop& r) { return boolText(r.IsCalculated()); }},
    {"IsDirty", [](const iTop& r) { return boolText(r.IsDirty()); }},
    {"Spouse1", [](const iTop& r) { return r.Spouse1(); }, [](iTop& r, std::string_view t) { r.letSpouse1(t); },
     "Spouse 1", ""},
    {"Spouse2", [](const iTop& r) { return r.Spouse2(); }, [](iTop& r, std::string_view t) { r.letSpouse2(t); },
     "Spouse 2", ""},
    {"ScenarioDesc", [](const iTop& r) { return r.ScenarioDesc(); },
     [](iTop& r, std::string_view t) { r.letScenarioDesc(t); }, "Scenario Description", ""},
    {"TaxYear", [](const iTop& r) { return std::to_string(r.TaxYear()); },
     [](iTop& r, std::string_view t) { r.letTaxYear(t); }, "Year", "2008"},
    {"IsSp1Over65", [](const iTop& r) { return boolText(r.IsSp1Over65()); },
     [](iTop& r, std::string_view t) { r.letIsSp1Over65(tavrel::toFlag(t)); }, "Spouse 1 Over 65", "False"},
    {"IsSp1Blind", [](const iTop& r) { return boolText(r.IsSp1Blind()); },
     [](iTop& r, std::string_view t) { r.letIsSp1Blind(tavrel::toFlag(t)); }, "Spouse 1 Blind", "False"},
    {"IsSp2Over65", [](const iTop& r) { return boolText(r.IsSp2Over65()); },
     [](iTop& r, std::string_view t) { r.letIsSp2Over65(tavrel::toFlag(t)); }, "Spouse 2 Over 65", "False"},
    {"IsSp2Blind", [](const iTop& r) { return boolText(r.IsSp2Blind()); },
     [](iTop& r, std::string_view t) { r.letIsSp2Blind(tavrel::toFlag(t)); }, "Spouse 2 Blind", "False"},
    {"Dependents", [](const iTop& r) { return std::to_string(r.Dependents()); },
     [](iTop& r, std::string_view t) { r.letDependents(t); }, "Dependents", "1"},
    {"IsDependent", [](const iTop& r) { return boolText(r.IsDependent()); },
     [](iTop& r, std::string_view t) { r.letIsDependent(tavrel::toFlag(t)); }, "Is Dependent", "False"},
    {"FilingStatus", [](const iTop& r) { return std::to_string(r.FilingStatus()); },
     [](iTop& r, std::string_view t) { r.letFilingStatus(tavrel::toInt32(t)); }, "Filing Status", "2"},
    {"sFilingStatus", [](const iTop& r) { return r.sFilingStatus(); }},
};

TaxError notANumber() {
    return TaxError(tavrel::err::NotANumber, "This item needs to be a number.", std::string(kProjectName));
}

std::int16_t currentCalendarYear() {
    const auto now = std::chrono::system_clock::now();
    const std::chrono::year_month_day ymd{std::chrono::floor<std::chrono::days>(now)};
    return static_cast<std::int16_t>(static_cast<int>(ymd.year()));
}

template <class F>
void templateTrap(std::string_view method, F&& body) {
    tavrel::guardedTemplate(Location(iTop::kLocation, method), kFileDescription, std::forward<F>(body));
}

}  // namespace

std::span<const tavrel::PropertySpec<iTop>> iTop::extraProperties() { return kExtra; }

iTop::iTop()
    : version_(kVersion),
      inc_(std::make_shared<iInc>()),
      adj_(std::make_shared<osgrin::Adj2Inc>()),
      item_(std::make_shared<osgrin::ItemDed>()),
      amt_(std::make_shared<iAMT>()),
      other_(std::make_shared<iOtherTaxes>()),
      cr_(std::make_shared<iTaxCr>()) {}

std::shared_ptr<iTop> iTop::clone() const {
    // A member-wise copy takes every value and flag, including any added later;
    // only the sub-objects, held by reference, need copies of their own.
    std::shared_ptr<iTop> copy(new iTop(*this));
    copy->recomputeDepth_ = 0;
    copy->inc_ = std::make_shared<iInc>(*inc_);
    copy->adj_ = std::make_shared<osgrin::Adj2Inc>(*adj_);
    copy->item_ = std::make_shared<osgrin::ItemDed>(*item_);
    copy->amt_ = std::make_shared<iAMT>(*amt_);
    copy->other_ = std::make_shared<iOtherTaxes>(*other_);
    copy->cr_ = std::make_shared<iTaxCr>(*cr_);
    return copy;
}

std::string iTop::Taxpayer() const {
    std::string s(tavrel::trimRight(spouse1_));
    if (!spouse2_.empty() && spouse2_.front() != ' ') s.append(" & ").append(tavrel::trimRight(spouse2_));
    return s;
}

bool iTop::IsDirty() const {
    return flags_.dirty || inc_->isDirty() || adj_->isDirty() || amt_->isDirty() || item_->isDirty();
}

bool iTop::IsCalculated() const {
    return flags_.calculated && inc_->isCalculated() && adj_->isCalculated() && amt_->isCalculated() &&
           item_->isCalculated();
}

void iTop::letFixedText(std::string& field, std::string_view text) {
    if (!flags_.editing) return;
    field = tavrel::padFixedText(text);
    flags_.dirty = true;
    flags_.calculated = false;
}

void iTop::letScenarioDesc(std::string_view t) { letFixedText(scenarioDesc_, t); }
void iTop::letSpouse1(std::string_view t) { letFixedText(spouse1_, t); }
void iTop::letSpouse2(std::string_view t) { letFixedText(spouse2_, t); }

void iTop::letTaxYear(std::string_view t) {
    if (!flags_.editing) return;
    taxYear_ = t.empty() ? currentCalendarYear() : tavrel::toInt16(t);
    flags_.dirty = true;
    flags_.calculated = false;
}

void iTop::letTaxYearNumber(std::int16_t year) { letInput(taxYear_, year); }

void iTop::letDependentCount(std::int16_t count) { letInput(dependents_, count); }

void iTop::letDependents(std::string_view t) {
    if (!flags_.editing) return;
    if (!tavrel::isNumeric(t)) throw notANumber();
    letInput(dependents_, tavrel::toInt16(t));
}

void iTop::letFilingStatus(std::int32_t status) { letInput(filingStatus_, status); }

namespace {
template <class T>
void replaceSubObject(std::shared_ptr<T>& slot, std::shared_ptr<T> p, std::string_view name) {
    if (!p)
        throw TaxError::standard(tavrel::err::InvalidCall, std::string(iTop::kLocation) + "Set" + std::string(name));
    slot = std::move(p);
}
}  // namespace

void iTop::setOInc(std::shared_ptr<iInc> p) { replaceSubObject(inc_, std::move(p), "oInc"); }
void iTop::setOAdj2Inc(std::shared_ptr<osgrin::Adj2Inc> p) { replaceSubObject(adj_, std::move(p), "oAdj2Inc"); }
void iTop::setOItem(std::shared_ptr<osgrin::ItemDed> p) { replaceSubObject(item_, std::move(p), "oItem"); }
void iTop::setOAMT(std::shared_ptr<iAMT> p) { replaceSubObject(amt_, std::move(p), "oAMT"); }
void iTop::setOOtherTaxes(std::shared_ptr<iOtherTaxes> p) { replaceSubObject(other_, std::move(p), "oOtherTaxes"); }
void iTop::setOTaxCr(std::shared_ptr<iTaxCr> p) { replaceSubObject(cr_, std::move(p), "oTaxCr"); }

void iTop::BeginEdit() {
    templateTrap("BeginEdit", [&] {
        for (EditFlags* f : {&flags_, &inc_->flags(), &adj_->flags(), &item_->flags(), &amt_->flags(), &other_->flags(),
                             &cr_->flags()}) {
            f->editing = true;
            f->calculated = false;
        }
    });
}

void iTop::CancelEdit() {
    tavrel::guarded(Location(kLocation, "CancelEdit"), [&] {
        if (!flags_.editing) throw TaxError::standard(tavrel::err::NotSupported, std::string(kProjectName));
        for (EditFlags* f : {&flags_, &inc_->flags(), &adj_->flags(), &item_->flags(), &amt_->flags(), &other_->flags(),
                             &cr_->flags()})
            *f = EditFlags{};
    });
}

void iTop::ApplyEdit(std::string_view vsFname) {
    templateTrap("ApplyEdit", [&] {
        if (flags_.dirty || new_) {
            Persist::Save(vsFname, *this);
            new_ = false;
        }
        // Other taxes and credits keep their flags: they take no part in the return's state.
        for (EditFlags* f : {&flags_, &inc_->flags(), &adj_->flags(), &item_->flags(), &amt_->flags()}) {
            f->dirty = false;
            f->editing = false;
        }
    });
}

void iTop::Calculate() {
    templateTrap("Calculate", [&] {
        TopComputations::TopTaxCalc(*this);
        for (EditFlags* f : {&flags_, &inc_->flags(), &adj_->flags(), &item_->flags(), &amt_->flags(), &other_->flags(),
                             &cr_->flags()})
            f->calculated = true;
    });
}

void iTop::Load(std::string_view vsFilename) {
    templateTrap("Load", [&] {
        flags_.editing = true;
        Persist::Fetch(vsFilename, *this);
        flags_ = EditFlags{};
        new_ = false;
    });
}

std::string iTop::getProperty(std::string_view name) const {
    // sFilingStatus names its location its own way.
    if (tavrel::sameNameNoCase(name, "sFilingStatus"))
        return tavrel::guarded(Location(kLocation, "sFilingStatusGet"), [&] { return sFilingStatus(); });
    return LineObject::getProperty(name);
}

}  // namespace osgrin
