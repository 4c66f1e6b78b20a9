// Complete 2008 returns worked out line by line, every computed line checked.
//
// 2008 figures used below: standard deduction 5,450 Single, 10,900 Joint, 8,000 Head;
// exemption 3,500; schedules X, Y-1 and Z of 2008; AMT 26% up to 175,000, 28% above;
// AMT exemption 33,750 Single/Head and 45,000 Joint, less 25% of the AMT taxable
// income over 112,500 / 150,000; wage base 102,000.

#include "LawTestSupport.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>

namespace {

using namespace lawtest;
using osgrin::Adj2Inc;
using osgrin::iAMT;
using osgrin::iInc;
using osgrin::iOtherTaxes;
using osgrin::ItemDed;
using osgrin::iTaxCr;
using osgrin::iTop;

struct Line {
    std::size_t line;
    const char* name;
    Currency value;
};

template <class Obj>
void expectLines(const Obj& o, std::initializer_list<Line> lines) {
    for (const Line& l : lines) EXPECT_EQ(o.get(l.line), l.value) << l.name;
}

// ---------------------------------------------------------------------------
// (a) Single, wages only.
//
// Inputs: Single, 1 exemption, wages 48,250.50, payments 6,000.
//
// Total income     wages read as 48,251 (whole dollars, halves away from zero)    48,251
// Adjustments      nothing                                                        0
// AGI                                                                             48,251
// Itemized         nothing entered: medical 0 (floor 3,618.83), misc 0,
//                  gross 0, below the phase-out threshold 159,950: net 0
// Standard         Single, no boxes                                               5,450
// Deduction        0 is not more than 5,450: standard                             5,450
// Exemptions       1 x 3,500, AGI below 159,950                                    3,500
// Taxable income   48,251 - 5,450 - 3,500                                         39,301
// Ordinary tax     X: 4,481.25 + 25% x (39,301 - 32,550 = 6,751) = 4,481.25 + 1,687.75
//                                                                                 6,169.00
// No capital gain: regular tax                                                    6,169.00
// AMT              AGI 48,251, no AMT deductions (medical floor 4,825), taxable 48,251;
//                  exemption 33,750 (below 112,500); 14,501 x 26% = 3,770.26
//                  tentative 3,770.26 < 6,169: AMT 0, combined                    6,169.00
// Other taxes      no SE income                                                   0
// FICA (info)      48,251 x 6.2% = 2,991.562; x 1.45% = 699.6395; 3,691.2015 ->   3,691
// Credits          no children, no other credits                                  0
// Total tax                                                                       6,169.00
// Balance due      6,169 - 6,000                                                  169.00
TEST(FullReturns2008, SingleWagesOnly) {
    iTop r;
    open(r, 2008, 1, 1);
    r.inc().letProperty("WageSp1", "48250.50");
    r.letProperty("TotPmts", "6000");
    r.Calculate();

    expectLines(r, {
                       {iTop::TotalInc, "TotalInc", usd(48251)},
                       {iTop::Adj2Inc, "Adj2Inc", Currency()},
                       {iTop::AGI, "AGI", usd(48251)},
                       {iTop::ItemOrStdDed, "ItemOrStdDed", usd(5450)},
                       {iTop::ExemptionDed, "ExemptionDed", usd(3500)},
                       {iTop::TaxInc, "TaxInc", usd(39301)},
                       {iTop::IncTax, "IncTax", usd(6169)},
                       {iTop::RegAndAmtTax, "RegAndAmtTax", usd(6169)},
                       {iTop::OtherTax, "OtherTax", Currency()},
                       {iTop::TotCr, "TotCr", Currency()},
                       {iTop::TotTax, "TotTax", usd(6169)},
                       {iTop::BalDue, "BalDue", usd(169)},
                       {iTop::AMT, "AMT", Currency()},
                       {iTop::TaxLessCr, "TaxLessCr", Currency()},
                   });
    expectLines(r.amt(), {
                             {iAMT::AGI, "AGI", usd(48251)},
                             {iAMT::MedDed, "MedDed", Currency()},
                             {iAMT::MortgIntDed, "MortgIntDed", Currency()},
                             {iAMT::CasualtyDed, "CasualtyDed", Currency()},
                             {iAMT::CharDed, "CharDed", Currency()},
                             {iAMT::ItemDed, "ItemDed", Currency()},
                             {iAMT::TaxInc, "TaxInc", usd(48251)},
                             {iAMT::Exemption, "Exemption", usd(33750)},
                             {iAMT::TaxIncPostExemption, "TaxIncPostExemption", usd(14501)},
                             {iAMT::TAMTAtOrdRates, "TAMTAtOrdRates", cents(377026)},
                             {iAMT::TAMTAtCGRates, "TAMTAtCGRates", Currency()},
                             {iAMT::RegularTax, "RegularTax", usd(6169)},
                             {iAMT::TentativeAMT, "TentativeAMT", cents(377026)},
                             {iAMT::AMT, "AMT", Currency()},
                         });
    expectLines(r.item(), {
                              {ItemDed::MedDed, "MedDed", Currency()},
                              {ItemDed::TaxDed, "TaxDed", Currency()},
                              {ItemDed::IntDed, "IntDed", Currency()},
                              {ItemDed::TotGross, "TotGross", Currency()},
                              {ItemDed::TotNet, "TotNet", Currency()},
                              {ItemDed::MiscDed, "MiscDed", Currency()},
                              {ItemDed::TotReduction, "TotReduction", Currency()},
                              {ItemDed::ExemptionDedGross, "ExemptionDedGross", usd(3500)},
                              {ItemDed::ExemptionDedPhaseOut, "ExemptionDedPhaseOut", Currency()},
                              {ItemDed::ExemptionDedNet, "ExemptionDedNet", usd(3500)},
                              {ItemDed::StdDed, "StdDed", usd(5450)},
                          });
    EXPECT_FALSE(r.item().itemizing());
    expectLines(r.other(), {
                               {iOtherTaxes::SETaxSp1, "SETaxSp1", Currency()},
                               {iOtherTaxes::SETaxSp2, "SETaxSp2", Currency()},
                               {iOtherTaxes::FicaSp1, "FicaSp1", usd(3691)},
                               {iOtherTaxes::FicaSp2, "FicaSp2", Currency()},
                           });
    EXPECT_EQ(r.cr().get(iTaxCr::ChildCr), Currency());
    EXPECT_EQ(r.getProperty("TaxInc"), "39,301");
    EXPECT_EQ(r.getProperty("BalDue"), "169");
}

// ---------------------------------------------------------------------------
// (b) Joint, high income, large state and local taxes: pays AMT.
//
// Inputs: Joint, 4 exemptions, 2 children for the credit; wages 250,000 and 60,100;
// medical 10,000, state income tax 22,000, other taxes 6,000, mortgage interest
// 18,000 (both taxes) and 2,000 (regular tax only), charity 5,000, miscellaneous
// 8,000; other credits 500; payments 70,000.
//
// Total income     250,000 + 60,100                                               310,100
// Adjustments      none                                                           0
// AGI                                                                             310,100
// Medical          10,000 - 7.5% x 310,100 (23,257.50): below the floor           0
// Taxes            6,000 + 22,000                                                 28,000
// Interest         18,000 + 2,000                                                 20,000
// Miscellaneous    8,000 - 2% x 310,100 (6,202)                                   1,798
// Gross            0 + 28,000 + 20,000 + 5,000 + 0 + 1,798                        54,798
// Phase-out        3% x (310,100 - 159,950 = 150,150) = 4,504.50 -> 4,504 (even);
//                  cap 80% x 54,798 = 43,838.40 -> 43,838; two thirds:
//                  4,504 - 1,501.33 = 3,002.67 -> 3,003                           3,003
// Itemized net     54,798 - 3,003                                                 51,795
// Standard         10,900; itemized is larger                                     51,795
// Exemptions       4 x 3,500 = 14,000; excess 310,100 - 239,950 = 70,150,
//                  / 2,500 = 28.06 -> 29 steps = 58% = 8,120; / 3 = 2,706.67 -> 2,707
//                  net 14,000 - 2,707                                             11,293
// Taxable income   310,100 - 51,795 - 11,293                                      247,012
// Ordinary tax     Y-1: 44,828 + 33% x (247,012 - 200,300 = 46,712) = 44,828 + 15,414.96
//                                                                                 60,242.96
// AMT              medical 10,000 - 31,010 floor: 0; mortgage 18,000; charity 5,000;
//                  AMT deductions 23,000; AMT taxable 287,100;
//                  exemption 45,000 - 25% x 137,100 (34,275) = 10,725;
//                  after exemption 276,375; 45,500 + 28% x 101,375 (28,385) = 73,885
//                  regular tax line reads 60,243 (whole dollars)
//                  73,885 > 60,242.96: combined 73,885, AMT 73,885 - 60,242.96 = 13,642.04
// Other taxes      none; FICA 6,324 + 3,625 = 9,949 and 3,726.20 + 871.45 = 4,597.65 -> 4,598
// Child credit     2,000; excess 200,100 -> 201 steps = 10,050 >= 2,000: 0
// Credits          0 + 500                                                        500
// Total tax        73,885 + 0 - 500                                               73,385
// Balance due      73,385 - 70,000                                                3,385
TEST(FullReturns2008, JointHighIncomePaysAmt) {
    iTop r;
    open(r, 2008, 2, 4);
    r.inc().letProperty("WageSp1", "250000");
    r.inc().letProperty("WageSp2", "60100");
    ItemDed& d = r.item();
    d.letProperty("MedPmts", "10000");
    d.letProperty("SITPd", "22000");
    d.letProperty("OtherTaxes", "6000");
    d.letProperty("HomeMortIntReg", "18000");
    d.letProperty("HomeMortIntAmt", "2000");
    d.letProperty("CharDed", "5000");
    d.letProperty("MiscDedPmts", "8000");
    r.cr().letNumOfChildCrChildren("2");
    r.cr().letProperty("OtherCr", "500");
    r.letProperty("TotPmts", "70000");
    r.Calculate();

    expectLines(r, {
                       {iTop::TotalInc, "TotalInc", usd(310100)},
                       {iTop::Adj2Inc, "Adj2Inc", Currency()},
                       {iTop::AGI, "AGI", usd(310100)},
                       {iTop::ItemOrStdDed, "ItemOrStdDed", usd(51795)},
                       {iTop::ExemptionDed, "ExemptionDed", usd(11293)},
                       {iTop::TaxInc, "TaxInc", usd(247012)},
                       {iTop::IncTax, "IncTax", cents(6024296)},
                       {iTop::RegAndAmtTax, "RegAndAmtTax", usd(73885)},
                       {iTop::OtherTax, "OtherTax", Currency()},
                       {iTop::TotCr, "TotCr", usd(500)},
                       {iTop::TotTax, "TotTax", usd(73385)},
                       {iTop::BalDue, "BalDue", usd(3385)},
                   });
    expectLines(r.amt(), {
                             {iAMT::AGI, "AGI", usd(310100)},
                             {iAMT::MedDed, "MedDed", Currency()},
                             {iAMT::MortgIntDed, "MortgIntDed", usd(18000)},
                             {iAMT::CasualtyDed, "CasualtyDed", Currency()},
                             {iAMT::CharDed, "CharDed", usd(5000)},
                             {iAMT::ItemDed, "ItemDed", usd(23000)},
                             {iAMT::TaxInc, "TaxInc", usd(287100)},
                             {iAMT::Exemption, "Exemption", usd(10725)},
                             {iAMT::TaxIncPostExemption, "TaxIncPostExemption", usd(276375)},
                             {iAMT::TAMTAtOrdRates, "TAMTAtOrdRates", usd(73885)},
                             {iAMT::TAMTAtCGRates, "TAMTAtCGRates", Currency()},
                             {iAMT::RegularTax, "RegularTax", usd(60243)},
                             {iAMT::TentativeAMT, "TentativeAMT", usd(73885)},
                             {iAMT::AMT, "AMT", cents(1364204)},
                         });
    expectLines(r.item(), {
                              {ItemDed::MedDed, "MedDed", Currency()},
                              {ItemDed::TaxDed, "TaxDed", usd(28000)},
                              {ItemDed::IntDed, "IntDed", usd(20000)},
                              {ItemDed::TotGross, "TotGross", usd(54798)},
                              {ItemDed::TotNet, "TotNet", usd(51795)},
                              {ItemDed::MiscDed, "MiscDed", usd(1798)},
                              {ItemDed::TotReduction, "TotReduction", usd(3003)},
                              {ItemDed::ExemptionDedGross, "ExemptionDedGross", usd(14000)},
                              {ItemDed::ExemptionDedPhaseOut, "ExemptionDedPhaseOut", usd(2707)},
                              {ItemDed::ExemptionDedNet, "ExemptionDedNet", usd(11293)},
                              {ItemDed::StdDed, "StdDed", usd(10900)},
                          });
    EXPECT_TRUE(r.item().itemizing());
    expectLines(r.other(), {
                               {iOtherTaxes::SETaxSp1, "SETaxSp1", Currency()},
                               {iOtherTaxes::SETaxSp2, "SETaxSp2", Currency()},
                               {iOtherTaxes::FicaSp1, "FicaSp1", usd(9949)},
                               {iOtherTaxes::FicaSp2, "FicaSp2", usd(4598)},
                           });
    EXPECT_EQ(r.cr().get(iTaxCr::ChildCr), Currency());
    EXPECT_EQ(r.getProperty("IncTax"), "60,243");
    EXPECT_EQ(r.amt().getProperty("AMT"), "13,642");
}

// ---------------------------------------------------------------------------
// (c) Single with capital gains and self-employment income, covered by a plan.
//
// Inputs: Single, 1 exemption; wages 10,000; self-employment 29,986; short-term gain
// 3,000; long-term gain 20,000 with a long-term carryover of 2,000; dividends 1,500;
// section 1231 gains 1,000; self-employed health insurance 3,000; IRA contribution
// 5,000, covered by a plan; medical 4,000, state income tax 2,000, mortgage interest
// (both taxes) 6,000, charity 1,000; payments 6,000.
//
// 1231 netted      1,000 - 0 = 1,000, a long-term gain
// Net short-term   3,000 - 0                                                      3,000
// Net long-term    20,000 + 1,000 - 2,000                                         19,000
// Capital gains    3,000 + 19,000                                                 22,000
// Adjusted net CG  both positive: 19,000 + 1,500                                  20,500
// Total income     10,000 + 22,000 + 29,986 + 1,500                               63,486
// SE tax           29,986 x 0.9235 = 27,692.071; base left 102,000 - 10,000;
//                  27,692.071 x 12.4% = 3,433.8168, x 2.9% = 803.0701;
//                  4,236.8869 -> 4,237
// Half SE tax      2,118.50 -> 2,118 (ties to even)
// Health ins.      100% of 3,000                                                  3,000
// IRA              covered, Single band end 60,000; income with no contributions
//                  63,486 - (3,000 + 2,118) = 58,368; gap 1,632 x 20% = 326.40 -> 330
// Adjustments      330 + 3,000 + 2,118                                            5,448
// AGI              63,486 - 5,448                                                 58,038
// Medical          4,000 - 3,000 insurance = 1,000, below 7.5% x 58,038 (4,352.85): 0
// Gross / net      0 + 2,000 + 6,000 + 1,000 + 0 + 0 = 9,000; no phase-out        9,000
// Deduction        9,000 > 5,450: itemized                                        9,000
// Exemptions       1 x 3,500                                                      3,500
// Taxable income   58,038 - 9,000 - 3,500                                         45,538
// Carryforwards    net gain: none
// Ordinary tax     X: 4,481.25 + 25% x 12,988 = 4,481.25 + 3,247 = 7,728.25
// CG worksheet     ordinary part 45,538 - 20,500 = 25,038: 802.50 + 15% x 17,013
//                  = 802.50 + 2,551.95 = 3,354.45; 0% on 32,550 - 25,038 = 7,512;
//                  15% x (20,500 - 7,512 = 12,988) = 1,948.20 -> 1,948;
//                  3,354.45 + 0 + 1,948 = 5,302.45 < 7,728.25: regular tax       5,302.45
// AMT              medical 4,000 - 5,804 floor: 0; mortgage 6,000; charity 1,000; 7,000;
//                  AMT taxable 51,038; exemption 33,750; after it 17,288;
//                  ordinary part on max(17,288 - 20,500, 0) = 0: 0;
//                  5% x 7,512 = 375.60 -> 376; 15% x 12,988 = 1,948.20 -> 1,948; 2,324
//                  tentative 2,324 < 5,302.45: AMT 0; regular tax line reads 5,302
// Other taxes      SE 4,237; FICA 620 + 145 = 765
// Credits          no children                                                    0
// Total tax        5,302.45 + 4,237                                               9,539.45
// Balance due      9,539.45 - 6,000                                               3,539.45
TEST(FullReturns2008, SingleCapitalGainsAndSelfEmployment) {
    iTop r;
    open(r, 2008, 1, 1);
    iInc& inc = r.inc();
    inc.letProperty("WageSp1", "10000");
    inc.letProperty("SEIncSp1", "29986");
    inc.letProperty("STCG", "3000");
    inc.letProperty("LTCG", "20000");
    inc.letProperty("LTCLCarryOver", "2000");
    inc.letProperty("Dividends", "1500");
    inc.letProperty("Sec1231Gains", "1000");
    r.adj().letProperty("SEMedInsPmts", "3000");
    r.adj().letProperty("IRAContribSP1", "5000");
    r.adj().letIsSp1InRetPlan(true);
    ItemDed& d = r.item();
    d.letProperty("MedPmts", "4000");
    d.letProperty("SITPd", "2000");
    d.letProperty("HomeMortIntReg", "6000");
    d.letProperty("CharDed", "1000");
    r.letProperty("TotPmts", "6000");
    r.Calculate();

    expectLines(r, {
                       {iTop::TotalInc, "TotalInc", usd(63486)},
                       {iTop::Adj2Inc, "Adj2Inc", usd(5448)},
                       {iTop::AGI, "AGI", usd(58038)},
                       {iTop::ItemOrStdDed, "ItemOrStdDed", usd(9000)},
                       {iTop::ExemptionDed, "ExemptionDed", usd(3500)},
                       {iTop::TaxInc, "TaxInc", usd(45538)},
                       {iTop::IncTax, "IncTax", cents(530245)},
                       {iTop::RegAndAmtTax, "RegAndAmtTax", cents(530245)},
                       {iTop::OtherTax, "OtherTax", usd(4237)},
                       {iTop::TotCr, "TotCr", Currency()},
                       {iTop::TotTax, "TotTax", cents(953945)},
                       {iTop::BalDue, "BalDue", cents(353945)},
                   });
    expectLines(r.amt(), {
                             {iAMT::AGI, "AGI", usd(58038)},
                             {iAMT::MedDed, "MedDed", Currency()},
                             {iAMT::MortgIntDed, "MortgIntDed", usd(6000)},
                             {iAMT::CasualtyDed, "CasualtyDed", Currency()},
                             {iAMT::CharDed, "CharDed", usd(1000)},
                             {iAMT::ItemDed, "ItemDed", usd(7000)},
                             {iAMT::TaxInc, "TaxInc", usd(51038)},
                             {iAMT::Exemption, "Exemption", usd(33750)},
                             {iAMT::TaxIncPostExemption, "TaxIncPostExemption", usd(17288)},
                             {iAMT::TAMTAtOrdRates, "TAMTAtOrdRates", Currency()},
                             {iAMT::TAMTAtCGRates, "TAMTAtCGRates", usd(2324)},
                             {iAMT::RegularTax, "RegularTax", usd(5302)},
                             {iAMT::TentativeAMT, "TentativeAMT", usd(2324)},
                             {iAMT::AMT, "AMT", Currency()},
                         });
    expectLines(r.item(), {
                              {ItemDed::MedDed, "MedDed", Currency()},
                              {ItemDed::TaxDed, "TaxDed", usd(2000)},
                              {ItemDed::IntDed, "IntDed", usd(6000)},
                              {ItemDed::TotGross, "TotGross", usd(9000)},
                              {ItemDed::TotNet, "TotNet", usd(9000)},
                              {ItemDed::MiscDed, "MiscDed", Currency()},
                              {ItemDed::TotReduction, "TotReduction", Currency()},
                              {ItemDed::ExemptionDedGross, "ExemptionDedGross", usd(3500)},
                              {ItemDed::ExemptionDedPhaseOut, "ExemptionDedPhaseOut", Currency()},
                              {ItemDed::ExemptionDedNet, "ExemptionDedNet", usd(3500)},
                              {ItemDed::StdDed, "StdDed", usd(5450)},
                          });
    EXPECT_TRUE(r.item().itemizing());
    expectLines(inc, {
                         {iInc::Sec1231Netted, "Sec1231Netted", usd(1000)},
                         {iInc::NetSTCG, "NetSTCG", usd(3000)},
                         {iInc::NetLTCG, "NetLTCG", usd(19000)},
                         {iInc::CapGains, "CapGains", usd(22000)},
                         {iInc::AdjNetCG, "AdjNetCG", usd(20500)},
                         {iInc::STCLCarryforward, "STCLCarryforward", Currency()},
                         {iInc::LTCLCarryforward, "LTCLCarryforward", Currency()},
                         {iInc::Sec_1_h_1_B_Amount, "Sec_1_h_1_B_Amount", usd(7512)},
                     });
    expectLines(r.adj(), {
                             {Adj2Inc::IRAContribSP1, "IRAContribSP1", usd(5000)},
                             {Adj2Inc::IRAContribSP2, "IRAContribSP2", Currency()},
                             {Adj2Inc::IRADedSp1, "IRADedSp1", usd(330)},
                             {Adj2Inc::IRADedSp2, "IRADedSp2", Currency()},
                             {Adj2Inc::SEMedInsDed, "SEMedInsDed", usd(3000)},
                             {Adj2Inc::SETaxDed, "SETaxDed", usd(2118)},
                         });
    expectLines(r.other(), {
                               {iOtherTaxes::SETaxSp1, "SETaxSp1", usd(4237)},
                               {iOtherTaxes::SETaxSp2, "SETaxSp2", Currency()},
                               {iOtherTaxes::FicaSp1, "FicaSp1", usd(765)},
                               {iOtherTaxes::FicaSp2, "FicaSp2", Currency()},
                           });
    EXPECT_EQ(r.cr().get(iTaxCr::ChildCr), Currency());
}

// ---------------------------------------------------------------------------
// (d) Head of household with a capital loss carried forward, a section 1231 loss,
// a small AMT on dividends, and a partly phased-out child credit; a refund.
//
// Inputs: Head of Hse., 3 exemptions, 2 children; wages 82,000; other income 1,000;
// short-term loss 1,000 with a short-term carryover of 500; long-term loss 9,000;
// dividends 600; section 1231 losses 400; IRA 4,000, not covered; state income tax
// 4,000, other taxes 2,500, mortgage interest (both taxes) 7,000, charity 600;
// payments 9,000.
//
// 1231 netted      0 - 400 = -400, an ordinary loss in full
// Net short-term   -1,000 - 500                                                   -1,500
// Net long-term    -9,000                                                         -9,000
// Capital gains    -10,500, limited to                                            -3,000
// Adjusted net CG  net long-term negative: dividends                              600
// Total income     82,000 - 3,000 + 1,000 - 400 + 600                             80,200
// Adjustments      IRA not covered: 4,000                                         4,000
// AGI                                                                             76,200
// Itemized         taxes 6,500, interest 7,000, charity 600: 14,100, no phase-out 14,100
// Standard         Head 8,000; itemized is larger
// Exemptions       3 x 3,500                                                      10,500
// Taxable income   76,200 - 14,100 - 10,500                                       51,600
// Carryforwards    base 51,600 + 10,500 = 62,100; allowed min(3,000, 65,100) = 3,000;
//                  short-term max(1,500 - 3,000, 0) = 0;
//                  long-term 9,000 - (0 + (3,000 - 1,500)) = 7,500
// Ordinary tax     Z: 5,975 + 25% x (51,600 - 43,650 = 7,950) = 7,962.50
// CG worksheet     ordinary part 51,000: 5,975 + 25% x 7,350 = 7,812.50; no room in the
//                  15% bracket (top 43,650); 15% x 600 = 90; 7,902.50 < 7,962.50  7,902.50
// AMT              mortgage 7,000 + charity 600 = 7,600; AMT taxable 68,600;
//                  exemption 33,750; after it 34,850; ordinary part on 34,250: 8,905;
//                  capital-gain part 15% x 600 = 90; tentative 8,995
//                  8,995 > 7,902.50: combined 8,995, AMT 1,092.50; regular line 7,903
// Other taxes      none; FICA 5,084 + 1,189 = 6,273
// Child credit     2,000; excess 1,200 -> 2 steps = 100: 1,900 (below the tax)
// Total tax        8,995 + 0 - 1,900                                              7,095
// Balance due      7,095 - 9,000                                                  -1,905
TEST(FullReturns2008, HeadWithLossCarryforwardAndChildCredit) {
    iTop r;
    open(r, 2008, 4, 3);
    iInc& inc = r.inc();
    inc.letProperty("WageSp1", "82000");
    inc.letProperty("OtherNonSEInc", "1000");
    inc.letProperty("STCG", "-1000");
    inc.letProperty("STCLCarryOver", "500");
    inc.letProperty("LTCG", "-9000");
    inc.letProperty("Dividends", "600");
    inc.letProperty("Sec1231Losses", "400");
    r.adj().letProperty("IRAContribSP1", "4000");
    ItemDed& d = r.item();
    d.letProperty("SITPd", "4000");
    d.letProperty("OtherTaxes", "2500");
    d.letProperty("HomeMortIntReg", "7000");
    d.letProperty("CharDed", "600");
    r.cr().letNumOfChildCrChildren("2");
    r.letProperty("TotPmts", "9000");
    r.Calculate();

    expectLines(r, {
                       {iTop::TotalInc, "TotalInc", usd(80200)},
                       {iTop::Adj2Inc, "Adj2Inc", usd(4000)},
                       {iTop::AGI, "AGI", usd(76200)},
                       {iTop::ItemOrStdDed, "ItemOrStdDed", usd(14100)},
                       {iTop::ExemptionDed, "ExemptionDed", usd(10500)},
                       {iTop::TaxInc, "TaxInc", usd(51600)},
                       {iTop::IncTax, "IncTax", cents(790250)},
                       {iTop::RegAndAmtTax, "RegAndAmtTax", usd(8995)},
                       {iTop::OtherTax, "OtherTax", Currency()},
                       {iTop::TotCr, "TotCr", usd(1900)},
                       {iTop::TotTax, "TotTax", usd(7095)},
                       {iTop::BalDue, "BalDue", usd(-1905)},
                   });
    expectLines(r.amt(), {
                             {iAMT::AGI, "AGI", usd(76200)},
                             {iAMT::MedDed, "MedDed", Currency()},
                             {iAMT::MortgIntDed, "MortgIntDed", usd(7000)},
                             {iAMT::CasualtyDed, "CasualtyDed", Currency()},
                             {iAMT::CharDed, "CharDed", usd(600)},
                             {iAMT::ItemDed, "ItemDed", usd(7600)},
                             {iAMT::TaxInc, "TaxInc", usd(68600)},
                             {iAMT::Exemption, "Exemption", usd(33750)},
                             {iAMT::TaxIncPostExemption, "TaxIncPostExemption", usd(34850)},
                             {iAMT::TAMTAtOrdRates, "TAMTAtOrdRates", usd(8905)},
                             {iAMT::TAMTAtCGRates, "TAMTAtCGRates", usd(90)},
                             {iAMT::RegularTax, "RegularTax", usd(7903)},
                             {iAMT::TentativeAMT, "TentativeAMT", usd(8995)},
                             {iAMT::AMT, "AMT", cents(109250)},
                         });
    expectLines(r.item(), {
                              {ItemDed::MedDed, "MedDed", Currency()},
                              {ItemDed::TaxDed, "TaxDed", usd(6500)},
                              {ItemDed::IntDed, "IntDed", usd(7000)},
                              {ItemDed::TotGross, "TotGross", usd(14100)},
                              {ItemDed::TotNet, "TotNet", usd(14100)},
                              {ItemDed::MiscDed, "MiscDed", Currency()},
                              {ItemDed::TotReduction, "TotReduction", Currency()},
                              {ItemDed::ExemptionDedGross, "ExemptionDedGross", usd(10500)},
                              {ItemDed::ExemptionDedPhaseOut, "ExemptionDedPhaseOut", Currency()},
                              {ItemDed::ExemptionDedNet, "ExemptionDedNet", usd(10500)},
                              {ItemDed::StdDed, "StdDed", usd(8000)},
                          });
    expectLines(inc, {
                         {iInc::Sec1231Netted, "Sec1231Netted", usd(-400)},
                         {iInc::NetSTCG, "NetSTCG", usd(-1500)},
                         {iInc::NetLTCG, "NetLTCG", usd(-9000)},
                         {iInc::CapGains, "CapGains", usd(-3000)},
                         {iInc::AdjNetCG, "AdjNetCG", usd(600)},
                         {iInc::STCLCarryforward, "STCLCarryforward", Currency()},
                         {iInc::LTCLCarryforward, "LTCLCarryforward", usd(7500)},
                         {iInc::Sec_1_h_1_B_Amount, "Sec_1_h_1_B_Amount", Currency()},
                     });
    expectLines(r.adj(), {
                             {Adj2Inc::IRADedSp1, "IRADedSp1", usd(4000)},
                             {Adj2Inc::IRADedSp2, "IRADedSp2", Currency()},
                             {Adj2Inc::SEMedInsDed, "SEMedInsDed", Currency()},
                             {Adj2Inc::SETaxDed, "SETaxDed", Currency()},
                         });
    expectLines(r.other(), {
                               {iOtherTaxes::FicaSp1, "FicaSp1", usd(6273)},
                               {iOtherTaxes::FicaSp2, "FicaSp2", Currency()},
                           });
    EXPECT_EQ(r.cr().get(iTaxCr::ChildCr), usd(1900));
    EXPECT_EQ(r.getProperty("BalDue"), "-1,905");
}

}  // namespace
