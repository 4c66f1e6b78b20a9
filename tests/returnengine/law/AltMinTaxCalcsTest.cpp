// The alternative minimum tax: the AMT rate schedules, the exemption and its
// phase-out, the AMT itemized deductions, the capital-gain part, and every line
// the computation records.

#include "LawTestSupport.h"

#include "returnengine/law/AltMinTaxCalcs.h"
#include "returnengine/law/ItemDedCalcs.h"
#include "returnengine/law/Calcs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace lawtest;
using osgrin::AmtWorkRecord;
using osgrin::iAMT;
using osgrin::iInc;
using osgrin::iTop;
namespace AltMinTaxCalcs = osgrin::AltMinTaxCalcs;

// ---------------------------------------------------------------------------
// AMT at ordinary rates: 26% up to 175,000 (87,500 for Married Sep.), 28% above.
struct AmtRateCase {
    const char* name;
    int year, status;
    Currency amount, tax;
};

class AmtOrdinaryRates : public ::testing::TestWithParam<AmtRateCase> {};

TEST_P(AmtOrdinaryRates, Tax) {
    const AmtRateCase& c = GetParam();
    iTop r;
    open(r, c.year, c.status);
    EXPECT_EQ(AltMinTaxCalcs::GetAmtTax(r, c.amount), c.tax);
}

const AmtRateCase kAmtRateCases[] = {
    {"Single_100000", 2008, 1, usd(100000), usd(26000)},
    {"Joint_100000", 2008, 2, usd(100000), usd(26000)},
    // Married Sep.: 22,750 + 28% x 12,500 = 26,250
    {"MarSep_100000", 2008, 3, usd(100000), usd(26250)},
    {"MarSep_87500", 2008, 3, usd(87500), usd(22750)},
    // 22,750 + 28% x 0.25 = 22,750.07, not rounded
    {"MarSep_87500_25", 2008, 3, cents(8750025), cents(2275007)},
    {"Head_175000", 2008, 4, usd(175000), usd(45500)},
    // 45,500 + 28% x 0.50 = 45,500.14
    {"Single_175000_50", 2008, 1, cents(17500050), cents(4550014)},
    // 45,500 + 28% x 25,000 = 52,500
    {"Joint_200000", 2008, 2, usd(200000), usd(52500)},
    {"Widow_200000", 2008, 5, usd(200000), usd(52500)},
    // 22,750 + 28% x 112,500 = 54,250
    {"MarSep_200000", 2008, 3, usd(200000), usd(54250)},
    // 26% x 14,501 = 3,770.26
    {"Single_14501", 2008, 1, usd(14501), cents(377026)},
    {"Zero", 2008, 1, Currency(), Currency()},
    {"Negative", 2008, 1, usd(-5000), Currency()},
    // the same file for every year
    {"2003_MarSep_100000", 2003, 3, usd(100000), usd(26250)},
    {"2001_Single_200000", 2001, 1, usd(200000), usd(52500)},
};

INSTANTIATE_TEST_SUITE_P(AltMinTaxCalcs, AmtOrdinaryRates, ::testing::ValuesIn(kAmtRateCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// The AMT exemption through CalcAMT: no deductions, so the AMT taxable income is AGI.
struct ExemptionCase {
    const char* name;
    int year, status;
    long agi, exemption;
};

class AmtExemption : public ::testing::TestWithParam<ExemptionCase> {};

TEST_P(AmtExemption, ExemptionAndIncomeAfterIt) {
    const ExemptionCase& c = GetParam();
    iTop r;
    open(r, c.year, c.status);
    r.set(iTop::AGI, usd(c.agi));
    AltMinTaxCalcs::CalcAMT(r);
    EXPECT_EQ(r.amt().get(iAMT::TaxInc), usd(c.agi));
    EXPECT_EQ(r.amt().get(iAMT::Exemption), usd(c.exemption));
    EXPECT_EQ(r.amt().get(iAMT::TaxIncPostExemption), usd(c.agi - c.exemption));
}

// clang-format off
const ExemptionCase kExemptionCases[] = {
    {"2008_Single_Below", 2008, 1, 100000, 33750},
    {"2008_Single_AtThreshold", 2008, 1, 112500, 33750},
    // 25% x 2 = 0.50 -> 0; 25% x 6 = 1.50 -> 2; 25% x 10 = 2.50 -> 2 (ties to even)
    {"2008_Single_Excess2", 2008, 1, 112502, 33750},
    {"2008_Single_Excess6", 2008, 1, 112506, 33748},
    {"2008_Single_Excess10", 2008, 1, 112510, 33748},
    // 25% x 37,500 = 9,375: 33,750 - 9,375 = 24,375
    {"2008_Single_150000", 2008, 1, 150000, 24375},
    // 25% x 135,000 = 33,750: nothing left; beyond that still 0
    {"2008_Single_Exhausted", 2008, 1, 247500, 0},
    {"2008_Single_300000", 2008, 1, 300000, 0},
    {"2008_Head_150000", 2008, 4, 150000, 24375},
    // Joint: 45,000 - 25% x 137,100 = 45,000 - 34,275 = 10,725
    {"2008_Joint_287100", 2008, 2, 287100, 10725},
    {"2008_Joint_AtThreshold", 2008, 2, 150000, 45000},
    // Widow as Joint: 45,000 - 12,500 = 32,500
    {"2008_Widow_200000", 2008, 5, 200000, 32500},
    // Married Sep.: 22,500 - 25% x 25,000 = 16,250
    {"2008_MarSep_100000", 2008, 3, 100000, 16250},
    {"2007_Single_150000", 2007, 1, 150000, 24375},
    // 58,000 - 12,500 = 45,500
    {"2006_Joint_200000", 2006, 2, 200000, 45500},
    // 40,250 - 9,375 = 30,875
    {"2005_Head_150000", 2005, 4, 150000, 30875},
    // 29,000 - 1,250 = 27,750
    {"2004_MarSep_80000", 2004, 3, 80000, 27750},
    {"2003_Single_AtThreshold", 2003, 1, 112500, 40250},
    // 2002 uses 2001's: 24,500 - 1,250 = 23,250
    {"2002_MarSep_80000", 2002, 3, 80000, 23250},
    {"2001_Joint_AtThreshold", 2001, 2, 150000, 49000},
    {"2001_Single_150000", 2001, 1, 150000, 26375},   // 35,750 - 9,375
    // 2009 and later use 2008's
    {"2009_Single_150000", 2009, 1, 150000, 24375},
    {"2012_Joint_287100", 2012, 2, 287100, 10725},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(AltMinTaxCalcs, AmtExemption, ::testing::ValuesIn(kExemptionCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// The year function stores the exemption in the work record.
TEST(AltMinTaxCalcs, ExemptionStoredInRecord) {
    iTop r;
    open(r, 2008, 1);
    AmtWorkRecord record{};
    record.TaxInc = usd(150000);
    EXPECT_EQ(osgrin::Calcs2008::CalcAMTExemption2008(r, record), usd(24375));
    EXPECT_EQ(record.Exemption, usd(24375));
}

// Before 2001 there is no exemption and its line is not written.
TEST(AltMinTaxCalcs, Year2000HasNoExemptionAndLeavesTheLine) {
    iTop r;
    open(r, 2000, 1);
    r.set(iTop::AGI, usd(60000));
    r.amt().set(iAMT::Exemption, usd(999));
    // 26% x 60,000 = 15,600
    EXPECT_EQ(AltMinTaxCalcs::CalcAMT(r), usd(15600));
    EXPECT_EQ(r.amt().get(iAMT::Exemption), usd(999));
    EXPECT_EQ(r.amt().get(iAMT::TaxIncPostExemption), usd(60000));
}

// ---------------------------------------------------------------------------
// AMT medical deduction: all medical payments above 10% of AGI (floor rounded,
// ties to even); self-employed health insurance is not taken off.
struct AmtMedicalCase {
    const char* name;
    const char* agi;
    const char* medPmts;
    const char* seMedIns;
    long medDed, amtTaxInc;
};

class AmtMedical : public ::testing::TestWithParam<AmtMedicalCase> {};

TEST_P(AmtMedical, Deduction) {
    const AmtMedicalCase& c = GetParam();
    iTop r;
    open(r, 2008, 1);
    r.set(iTop::AGI, money(c.agi));
    r.item().letProperty("MedPmts", c.medPmts);
    r.adj().letProperty("SEMedInsPmts", c.seMedIns);
    AltMinTaxCalcs::CalcAMT(r);
    EXPECT_EQ(r.amt().get(iAMT::MedDed), usd(c.medDed));
    EXPECT_EQ(r.amt().get(iAMT::ItemDed), usd(c.medDed));
    EXPECT_EQ(r.amt().get(iAMT::TaxInc), usd(c.amtTaxInc));
}

const AmtMedicalCase kAmtMedicalCases[] = {
    // floor 5,000: 12,000 - 5,000 = 7,000; the 2,000 of insurance stays in
    {"InsuranceNotRemoved", "50000", "12000", "2000", 7000, 43000},
    {"BelowFloor", "50000", "4999", "0", 0, 50000},
    {"AtFloor", "50000", "5000", "0", 0, 50000},
    {"OneDollarOver", "50000", "5001", "0", 1, 49999},
    // floor 5,000.50 -> 5,000 and 5,001.50 -> 5,002 (ties to even)
    {"FloorTieDown", "50005", "12000", "0", 7000, 43005},
    {"FloorTieUp", "50015", "12000", "0", 6998, 43017},
    // AGI 50,014.50 is read as 50,015: floor 5,002
    {"AgiReadInWholeDollars", "50014.50", "12000", "0", 6998, 43017},
};

INSTANTIATE_TEST_SUITE_P(AltMinTaxCalcs, AmtMedical, ::testing::ValuesIn(kAmtMedicalCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// A negative AGI gives a floor of 0: no medical deduction without payments,
// and payments are deducted whole.
TEST(AltMinTaxCalcs, NegativeAgiMedicalFloor) {
    iTop r;
    open(r, 2008, 1);
    r.set(iTop::AGI, usd(-3000));
    AltMinTaxCalcs::CalcAMT(r);
    EXPECT_EQ(r.amt().get(iAMT::MedDed), usd(0));
    EXPECT_EQ(r.amt().get(iAMT::TaxInc), usd(-3000));
    r.item().letProperty("MedPmts", "500");
    AltMinTaxCalcs::CalcAMT(r);
    EXPECT_EQ(r.amt().get(iAMT::MedDed), usd(500));
}

// The regular medical deduction of the same return does take the insurance off.
TEST(AltMinTaxCalcs, RegularMedicalDeductionOfTheSameReturnRemovesInsurance) {
    iTop r;
    open(r, 2008, 1);
    r.set(iTop::AGI, usd(50000));
    r.item().letProperty("MedPmts", "12000");
    r.adj().letProperty("SEMedInsPmts", "2000");
    AltMinTaxCalcs::CalcAMT(r);
    EXPECT_EQ(r.amt().get(iAMT::MedDed), usd(7000));
    // 12,000 - 2,000 - 3,750 = 6,250
    EXPECT_EQ(osgrin::ItemDedCalcs::CalcMedDed(r), usd(6250));
}

// ---------------------------------------------------------------------------
// Every line without a capital gain, 2008 Single.
TEST(AltMinTaxCalcs, AllLinesWithoutCapitalGain) {
    iTop r;
    open(r, 2008, 1);
    r.set(iTop::AGI, usd(200000));
    r.set(iTop::IncTax, money("40000.40"));
    osgrin::ItemDed& d = r.item();
    d.letProperty("MedPmts", "30000");
    d.letProperty("HomeMortIntReg", "8000");
    d.letProperty("HomeMortIntAmt", "3000");   // regular tax only
    d.letProperty("CasualtyDed", "1000");
    d.letProperty("CharDed", "2000");
    d.letProperty("SITPd", "10000");           // taxes: not allowed
    d.letProperty("OtherTaxes", "4000");
    d.letProperty("MiscDedPmts", "5000");      // not allowed
    d.letProperty("InvIntDed", "500");         // not allowed
    r.amt().set(iAMT::AMT, usd(777));          // not CalcAMT's line

    const Currency tentative = AltMinTaxCalcs::CalcAMT(r);

    const iAMT& a = r.amt();
    EXPECT_EQ(a.get(iAMT::AGI), usd(200000));
    // 30,000 - 10% x 200,000 = 10,000
    EXPECT_EQ(a.get(iAMT::MedDed), usd(10000));
    EXPECT_EQ(a.get(iAMT::MortgIntDed), usd(8000));
    EXPECT_EQ(a.get(iAMT::CasualtyDed), usd(1000));
    EXPECT_EQ(a.get(iAMT::CharDed), usd(2000));
    // 10,000 + 8,000 + 1,000 + 2,000
    EXPECT_EQ(a.get(iAMT::ItemDed), usd(21000));
    EXPECT_EQ(a.get(iAMT::TaxInc), usd(179000));
    // 33,750 - 25% x 66,500 = 33,750 - 16,625 = 17,125
    EXPECT_EQ(a.get(iAMT::Exemption), usd(17125));
    EXPECT_EQ(a.get(iAMT::TaxIncPostExemption), usd(161875));
    // 26% x 161,875 = 42,087.50
    EXPECT_EQ(a.get(iAMT::TAMTAtOrdRates), cents(4208750));
    EXPECT_EQ(a.get(iAMT::TAMTAtCGRates), Currency());
    EXPECT_EQ(a.get(iAMT::TentativeAMT), cents(4208750));
    // the regular tax as read back: 40,000.40 -> 40,000
    EXPECT_EQ(a.get(iAMT::RegularTax), usd(40000));
    EXPECT_EQ(a.get(iAMT::AMT), usd(777));
    EXPECT_EQ(tentative, cents(4208750));
}

// Every line with a capital gain, 2008 Single.
TEST(AltMinTaxCalcs, AllLinesWithCapitalGain) {
    iTop r;
    open(r, 2008, 1);
    r.set(iTop::AGI, usd(200000));
    r.set(iTop::IncTax, usd(40000));
    r.inc().letProperty("AdjNetCG", "50000");
    r.inc().letProperty("Sec_1_h_1_B_Amount", "12570");
    r.amt().set(iAMT::TentativeAMT, usd(555));   // not written on this path

    const Currency tentative = AltMinTaxCalcs::CalcAMT(r);

    const iAMT& a = r.amt();
    EXPECT_EQ(a.get(iAMT::TaxInc), usd(200000));
    // 33,750 - 25% x 87,500 = 33,750 - 21,875 = 11,875
    EXPECT_EQ(a.get(iAMT::Exemption), usd(11875));
    EXPECT_EQ(a.get(iAMT::TaxIncPostExemption), usd(188125));
    // ordinary part on 188,125 - 50,000 = 138,125: 26% = 35,912.50
    EXPECT_EQ(a.get(iAMT::TAMTAtOrdRates), cents(3591250));
    // 5% x 12,570 = 628.50 -> 628; 15% x (50,000 - 12,570 = 37,430) = 5,614.50 -> 5,614
    EXPECT_EQ(a.get(iAMT::TAMTAtCGRates), usd(6242));
    EXPECT_EQ(a.get(iAMT::RegularTax), usd(40000));
    EXPECT_EQ(a.get(iAMT::TentativeAMT), usd(555));
    // 35,912.50 + 6,242
    EXPECT_EQ(tentative, cents(4215450));
}

// 2009: the 2008 exemption and the 2005 capital-gain rates.
TEST(AltMinTaxCalcs, Year2009UsesLaterLaw) {
    iTop r;
    open(r, 2009, 1);
    r.set(iTop::AGI, usd(150000));
    r.inc().letProperty("AdjNetCG", "10000");
    r.inc().letProperty("Sec_1_h_1_B_Amount", "4000");
    // exemption 24,375; after it 125,625; ordinary part 26% x 115,625 = 30,062.50;
    // 5% x 4,000 = 200; 15% x 6,000 = 900
    EXPECT_EQ(AltMinTaxCalcs::CalcAMT(r), cents(3116250));
    EXPECT_EQ(r.amt().get(iAMT::Exemption), usd(24375));
    EXPECT_EQ(r.amt().get(iAMT::TAMTAtOrdRates), cents(3006250));
    EXPECT_EQ(r.amt().get(iAMT::TAMTAtCGRates), usd(1100));
}

// 2001 and 2002 have no capital-gain computation: the fixed 999,999,999.
TEST(AltMinTaxCalcs, Year2002CapitalGainPartIsFixed) {
    iTop r;
    open(r, 2002, 1);
    r.set(iTop::AGI, usd(60000));
    r.inc().letProperty("AdjNetCG", "10000");
    // exemption 35,750; after it 24,250; ordinary part 26% x 14,250 = 3,705
    EXPECT_EQ(AltMinTaxCalcs::CalcAMT(r), usd(1000003704));
    EXPECT_EQ(r.amt().get(iAMT::TAMTAtOrdRates), usd(3705));
    EXPECT_EQ(r.amt().get(iAMT::TAMTAtCGRates), usd(999999999));
}

TEST(AltMinTaxCalcs, Year2001CapitalGainPartIsFixed) {
    iTop r;
    open(r, 2001, 2);
    r.set(iTop::AGI, usd(100000));
    r.inc().letProperty("AdjNetCG", "1000");
    // exemption 49,000; after it 51,000; ordinary part 26% x 50,000 = 13,000
    EXPECT_EQ(AltMinTaxCalcs::CalcAMT(r), usd(1000012999));
    EXPECT_EQ(r.amt().get(iAMT::TAMTAtCGRates), usd(999999999));
}

// Before 2001: no exemption and a capital-gain part of 0.
TEST(AltMinTaxCalcs, Year2000CapitalGainPartIsZero) {
    iTop r;
    open(r, 2000, 1);
    r.set(iTop::AGI, usd(60000));
    r.inc().letProperty("AdjNetCG", "10000");
    // ordinary part 26% x 50,000 = 13,000
    EXPECT_EQ(AltMinTaxCalcs::CalcAMT(r), usd(13000));
    EXPECT_EQ(r.amt().get(iAMT::TAMTAtOrdRates), usd(13000));
    EXPECT_EQ(r.amt().get(iAMT::TAMTAtCGRates), Currency());
}

// ---------------------------------------------------------------------------
// The capital-gain part itself: 5% up to the smaller of the 0%/5% amount and the
// income after the exemption, 15% on the rest of the adjusted net capital gain.
struct CgPartCase {
    const char* name;
    int year;
    long postExemption, sec1h1b, adjNetCG;
    long tax;
};

class AmtCapitalGainPart : public ::testing::TestWithParam<CgPartCase> {};

TEST_P(AmtCapitalGainPart, Tax) {
    const CgPartCase& c = GetParam();
    iTop r;
    open(r, c.year, 1);
    r.inc().letProperty("AdjNetCG", std::to_string(c.adjNetCG));
    r.inc().letProperty("Sec_1_h_1_B_Amount", std::to_string(c.sec1h1b));
    AmtWorkRecord record{};
    record.TaxIncPostExemption = usd(c.postExemption);
    Currency tax;
    if (c.year == 2003) tax = osgrin::Calcs2003::CalcAMTCapGainTax2003(r, record);
    else if (c.year == 2004) tax = osgrin::Calcs2004::CalcAMTCapGainTax2004(r, record);
    else tax = osgrin::Calcs2005::CalcAMTCapGainTax2005(r, record);
    EXPECT_EQ(tax, usd(c.tax));
}

const CgPartCase kCgPartCases[] = {
    // low = min(10,000, 5,000) = 5,000: 250; rest 5,000: 750
    {"2005_IncomeBelowLowAmount", 2005, 5000, 10000, 10000, 1000},
    {"2004_IncomeBelowLowAmount", 2004, 5000, 10000, 10000, 1000},
    {"2003_IncomeBelowLowAmount", 2003, 5000, 10000, 10000, 1000},
    // low 0: 15% x 20,000 = 3,000
    {"2005_NoLowAmount", 2005, 100000, 0, 20000, 3000},
    // low 12,570: 628.50 -> 628; rest 37,430: 5,614.50 -> 5,614
    {"2005_TiesToEven", 2005, 188125, 12570, 50000, 6242},
};

INSTANTIATE_TEST_SUITE_P(AltMinTaxCalcs, AmtCapitalGainPart, ::testing::ValuesIn(kCgPartCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

}  // namespace
