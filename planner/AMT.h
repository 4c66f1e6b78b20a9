#pragma once
// One planning scenario: the four returns of the two-year comparison (the two
// years as entered and their working copies), the planner's options, and the
// results of the last analysis. Setters act only in edit mode; a dirty, a new
// and a deleted flag track the object's state.

#include "common/Api.h"

#include "planner/Points.h"
#include "planner/ProgressObserver.h"
#include "planner/TaxYears.h"

#include "common/Currency.h"
#include "common/PropertyBag.h"
#include "returnengine/model/iTop.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace mirvane {

using osgrin::iTop;

class MIRVANE_API AMT final : public tavrel::PropertyBag {
public:
    // The values the object stores (and BeginEdit's snapshot copies).
    struct Stored {
        Currency MaxItemizedTaxDeferred;
        Currency PVNxtAcc;
        Currency Savings;
        double RatioSavings = 0;
        Currency IncreaseCurYrTax;
        Currency DecreaseNxtYrTax;
        Currency PVSavings;
        Currency CombinedTaxPVAcc;
        Currency CombinedTaxPV;
        Currency PVNxtYear;
        double AfterTaxDiscount = 0;
        Currency MaxIncomeAccelerated;
        bool IncreaseIncome = false;
        bool DecreaseItemizedTax = false;
        bool AccelerateIncome = false;
        bool DeferItemizedTax = false;
        std::string Line2;
        // The law the scenario is computed under ("Law Edition" in its file).
        osgrin::LawEdition Law = osgrin::kDefaultLawEdition;
        // The first of the two years ("Plan Year" in its file; 2008 when missing).
        std::int16_t PlanYear = kCurrentTaxYear;
    };

    AMT();
    AMT& operator=(const AMT&) = delete;
    // A deep copy: values, snapshot, flags and four returns of its own (the curve
    // is shared; a search always makes a new one).
    std::shared_ptr<AMT> clone() const;
    // A deep copy to analyse while the user edits: it counts as stored, so that a
    // scenario not yet saved can be analysed from the values in memory.
    std::shared_ptr<AMT> analysisCopy() const;

    // --- the four returns (plain references, stored whatever the mode) ---
    std::shared_ptr<iTop> goCurYear() const { return returns_[0]; }
    std::shared_ptr<iTop> goNxtYear() const { return returns_[1]; }
    std::shared_ptr<iTop> goCurYearAcc() const { return returns_[2]; }
    std::shared_ptr<iTop> goNxtYearAcc() const { return returns_[3]; }
    void setGoCurYear(std::shared_ptr<iTop> r) { returns_[0] = std::move(r); }
    void setGoNxtYear(std::shared_ptr<iTop> r) { returns_[1] = std::move(r); }
    void setGoCurYearAcc(std::shared_ptr<iTop> r) { returns_[2] = std::move(r); }
    void setGoNxtYearAcc(std::shared_ptr<iTop> r) { returns_[3] = std::move(r); }
    iTop& cur() const { return *returns_[0]; }
    iTop& nxt() const { return *returns_[1]; }
    iTop& curAcc() const { return *returns_[2]; }
    iTop& nxtAcc() const { return *returns_[3]; }

    // --- the curve ---
    std::shared_ptr<mirvane::Points> oPoints() const { return spare_; }
    void setOPoints(std::shared_ptr<mirvane::Points> p) { spare_ = std::move(p); }
    // The curve of the last search; an empty collection when none is held.
    std::shared_ptr<mirvane::Points> Points();
    void setPoints(std::shared_ptr<mirvane::Points> p) { points_ = std::move(p); }
    // The curve held, or null; reading it creates nothing.
    std::shared_ptr<const mirvane::Points> pointsIfAny() const { return points_; }
    std::shared_ptr<mirvane::Point> Point() const { return point_; }
    void setPoint(std::shared_ptr<mirvane::Point> p) { point_ = std::move(p); }

    // --- stored values: typed reads; text through the property table ---
    const Stored& values() const { return v_; }
    std::string getProperty(std::string_view name) const override;
    void letProperty(std::string_view name, std::string_view text) override;
    // Typed setters with the setters' rules (ignored outside edit mode, dirty on).
    void letMoney(Currency Stored::*member, Currency value);
    void letFlag(bool Stored::*member, bool value);
    void letRatio(double value);
    // Raises 380 for a year no law plans (see TaxYears.h).
    void letPlanYear(std::int16_t year);

    // --- edit protocol ---
    void BeginEdit();
    void CancelEdit();
    void ApplyEdit(std::string_view msFname);
    void Delete();
    bool IsDeleted() const { return deleted_; }
    bool IsNew() const { return new_; }
    bool IsDirty() const { return dirty_; }
    bool isEditing() const { return editing_; }

    // --- analysis and persistence ---
    void Calculate();
    void Save(std::string_view msFname);
    void Fetch(std::string_view msFname);
    void Load(std::string_view msFname);
    void CopyObject();

    // The search reports its progress here; null (the default) reports nothing.
    void setProgressObserver(ProgressObserver* observer) { observer_ = observer; }
    ProgressObserver* progressObserver() const { return observer_; }

    // One record of the sweep: the amount deferred and the combined tax there.
    struct SweepRecord {
        Currency cAccelInc;
        Currency cCombinedTax;
    };
    // The sweep table of this object's last search (indices 0 to 501; 0 unused).
    std::vector<SweepRecord>& sweepTable() { return sweep_; }

private:
    // Member-wise, returns shared: clone() alone uses it, then gives the copy
    // returns of its own.
    AMT(const AMT&) = default;
    friend struct AmtProperties;
    void takeSnapshot() { snapshot_ = v_; }

    std::array<std::shared_ptr<iTop>, 4> returns_;
    std::shared_ptr<mirvane::Points> spare_;
    std::shared_ptr<mirvane::Points> points_;
    std::shared_ptr<mirvane::Point> point_;
    Stored v_;
    Stored snapshot_;
    bool new_ = true;
    bool deleted_ = false;
    bool dirty_ = false;
    bool editing_ = false;
    ProgressObserver* observer_ = nullptr;
    std::vector<SweepRecord> sweep_;
};

}  // namespace mirvane
