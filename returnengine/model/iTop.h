#pragma once
// One individual income-tax return for one tax year: the household facts, the
// computed lines from total income down to the balance due, six sub-objects,
// the edit protocol and the entries to computation and persistence.

#include "common/Api.h"

#include "returnengine/model/Adj2Inc.h"
#include "returnengine/model/ItemDed.h"
#include "returnengine/model/LineObject.h"
#include "returnengine/model/iAMT.h"
#include "returnengine/model/iInc.h"
#include "returnengine/model/iOtherTaxes.h"
#include "returnengine/model/iTaxCr.h"

#include "common/FilingStatus.h"
#include "returnengine/law/LawEdition.h"

#include <cstdint>
#include <memory>
#include <string>

namespace osgrin {

class OSGRIN_API iTop final : public LineObject<iTop, 18> {
public:
    // clang-format off
    enum Line : std::size_t {
        TotPmts,  // input
        // Computed lines; their library-internal setters ignore the edit state and touch no flag.
        TotalInc, Adj2Inc, AGI, ItemOrStdDed, ExemptionDed, TaxInc, IncTax, RegAndAmtTax,
        OtherTax, TotCr, TotTax, BalDue,
        AMT, TaxLessCr,  // never assigned by any computation; always read 0
        // Deductions after AGI besides the itemized or standard one (0 in the
        // years without them): the senior deduction, the charity of a return on
        // the standard deduction, the qualified-business-income deduction.
        SeniorDed, NonItemizerCharity, QBIDed,
    };
    // clang-format on
    static constexpr std::string_view kLocation = "clsOsgrinTop.";
    static constexpr bool kIsSubObject = false;
    static constexpr std::array<LineRule, kLineCount> kRules = {{
        rule::input("TotPmts", "Total Payments"),
        rule::plain("TotalInc"),
        rule::plain("Adj2Inc"),
        rule::plain("AGI"),
        rule::plain("ItemOrStdDed"),
        rule::plain("ExemptionDed"),
        rule::plain("TaxInc"),
        rule::plain("IncTax"),
        {"RegAndAmtTax", false, false, BadText::NotANumber, false, false},
        rule::plain("OtherTax"),
        rule::plain("TotCr"),
        rule::plain("TotTax"),
        rule::plain("BalDue"),
        rule::plain("AMT"),
        rule::plain("TaxLessCr"),
        rule::plain("SeniorDed"),
        rule::plain("NonItemizerCharity"),
        rule::plain("QBIDed"),
    }};
    static std::span<const tavrel::PropertySpec<iTop>> extraProperties();

    iTop();
    iTop& operator=(const iTop&) = delete;
    // A deep copy: the same values, lines and flags, with sub-objects of its own.
    std::shared_ptr<iTop> clone() const;

    // --- reading ---
    std::string Taxpayer() const;
    const std::string& Version() const { return version_; }
    std::int32_t ColumnIdx() const { return columnIdx_; }
    const std::string& ScenarioDesc() const { return scenarioDesc_; }
    const std::string& Spouse1() const { return spouse1_; }
    const std::string& Spouse2() const { return spouse2_; }
    std::int16_t TaxYear() const { return taxYear_; }
    std::int32_t FilingStatus() const { return filingStatus_; }
    bool IsDependent() const { return isDependent_; }
    std::int16_t Dependents() const { return dependents_; }
    bool IsSp1Blind() const { return sp1Blind_; }
    bool IsSp2Blind() const { return sp2Blind_; }
    bool IsSp1Over65() const { return sp1Over65_; }
    bool IsSp2Over65() const { return sp2Over65_; }
    std::string sFilingStatus() const { return std::string(tavrel::sFilingStatusText(filingStatus_)); }
    // The return's own dirty flag or that of income, adjustments, AMT or deductions.
    bool IsDirty() const;
    // The return's own calculated flag and those of the same four sub-objects.
    bool IsCalculated() const;
    bool IsNew() const { return new_; }

    // --- writing inputs (acting only while the return is being edited) ---
    // The text setters raise without a location of their own; letProperty adds it.
    void letScenarioDesc(std::string_view text);
    void letSpouse1(std::string_view text);
    void letSpouse2(std::string_view text);
    void letTaxYear(std::string_view text);
    void letDependents(std::string_view text);
    void letFilingStatus(std::int32_t status);
    void letIsDependent(bool v) { letInputFlag(isDependent_, v); }
    void letIsSp1Blind(bool v) { letInputFlag(sp1Blind_, v); }
    void letIsSp2Blind(bool v) { letInputFlag(sp2Blind_, v); }
    void letIsSp1Over65(bool v) { letInputFlag(sp1Over65_, v); }
    void letIsSp2Over65(bool v) { letInputFlag(sp2Over65_, v); }
    // The same setters given numbers instead of text (a batch of returns sets
    // thousands of them without formatting and parsing text).
    void letTaxYearNumber(std::int16_t year);
    void letDependentCount(std::int16_t count);
    // Stored at any time; touches no flag.
    void setColumnIdx(std::int32_t idx) { columnIdx_ = idx; }
    // The law the return is computed under; any time, touching no flag, and not
    // part of the return's own section of a scenario file.
    LawEdition lawEdition() const { return lawEdition_; }
    void setLawEdition(LawEdition e) { lawEdition_ = e; }

    // --- sub-objects: shared references; assigning replaces the one held ---
    std::shared_ptr<iInc> oInc() const { return inc_; }
    std::shared_ptr<osgrin::Adj2Inc> oAdj2Inc() const { return adj_; }
    std::shared_ptr<osgrin::ItemDed> oItem() const { return item_; }
    std::shared_ptr<iAMT> oAMT() const { return amt_; }
    std::shared_ptr<iOtherTaxes> oOtherTaxes() const { return other_; }
    std::shared_ptr<iTaxCr> oTaxCr() const { return cr_; }
    void setOInc(std::shared_ptr<iInc> p);
    void setOAdj2Inc(std::shared_ptr<osgrin::Adj2Inc> p);
    void setOItem(std::shared_ptr<osgrin::ItemDed> p);
    void setOAMT(std::shared_ptr<iAMT> p);
    void setOOtherTaxes(std::shared_ptr<iOtherTaxes> p);
    void setOTaxCr(std::shared_ptr<iTaxCr> p);
    // Direct access for the computation.
    iInc& inc() const { return *inc_; }
    osgrin::Adj2Inc& adj() const { return *adj_; }
    osgrin::ItemDed& item() const { return *item_; }
    iAMT& amt() const { return *amt_; }
    iOtherTaxes& other() const { return *other_; }
    iTaxCr& cr() const { return *cr_; }

    // --- methods ---
    void BeginEdit();
    void CancelEdit();
    void ApplyEdit(std::string_view vsFname);
    void Calculate();
    void Load(std::string_view vsFilename);

    // Library-internal: the nesting depth of computations started by the IRA
    // limit's recomputation of the whole return.
    int& recomputeDepth() { return recomputeDepth_; }

    std::string getProperty(std::string_view name) const override;

private:
    // Member-wise, sub-objects shared: clone() alone uses it, then gives the
    // copy sub-objects of its own.
    iTop(const iTop&) = default;
    void letFixedText(std::string& field, std::string_view text);

    std::int32_t columnIdx_ = 1;
    std::string scenarioDesc_, spouse1_, spouse2_;
    std::int16_t taxYear_ = 0;
    std::int32_t filingStatus_ = 0;
    bool isDependent_ = false;
    std::int16_t dependents_ = 0;
    bool sp1Blind_ = false, sp2Blind_ = false, sp1Over65_ = false, sp2Over65_ = false;
    std::string version_;
    bool new_ = true;
    int recomputeDepth_ = 0;
    LawEdition lawEdition_ = kDefaultLawEdition;

    std::shared_ptr<iInc> inc_;
    std::shared_ptr<osgrin::Adj2Inc> adj_;
    std::shared_ptr<osgrin::ItemDed> item_;
    std::shared_ptr<iAMT> amt_;
    std::shared_ptr<iOtherTaxes> other_;
    std::shared_ptr<iTaxCr> cr_;
};

}  // namespace osgrin
