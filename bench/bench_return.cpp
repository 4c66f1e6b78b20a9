// Cost of computing one return: the analysis runs this a thousand times and more.
#include "returnengine/model/iTop.h"

#include <benchmark/benchmark.h>

namespace {

// The high-income joint household that pays AMT in 2008.
void setUpJointHighIncome(osgrin::iTop& r) {
    r.BeginEdit();
    r.letProperty("TaxYear", "2008");
    r.letProperty("FilingStatus", "2");
    r.letProperty("Dependents", "4");
    r.inc().letProperty("WageSp1", "250000");
    r.inc().letProperty("WageSp2", "100000");
    r.inc().letProperty("Dividends", "4000");
    r.inc().letProperty("LTCG", "12000");
    r.item().letProperty("OtherTaxes", "28000");
    r.item().letProperty("HomeMortIntReg", "20000");
    r.item().letProperty("CharDed", "5000");
    r.cr().letProperty("NumOfChildCrChildren", "2");
}

// The same household under the 2008 tables and under the law as enacted (which
// also weighs itemizing against the standard deduction).
void BM_JointHighIncomeReturn(benchmark::State& state) {
    osgrin::iTop r;
    setUpJointHighIncome(r);
    r.setLawEdition(static_cast<osgrin::LawEdition>(state.range(0)));
    for (auto _ : state) {
        r.Calculate();
        benchmark::DoNotOptimize(r.get(osgrin::iTop::RegAndAmtTax));
    }
}
BENCHMARK(BM_JointHighIncomeReturn)
    ->Arg(static_cast<int>(osgrin::LawEdition::Tables2008))
    ->Arg(static_cast<int>(osgrin::LawEdition::Enacted));

// A covered IRA contribution makes the computation recompute the whole return once more.
void BM_ReturnWithIraRecomputation(benchmark::State& state) {
    osgrin::iTop r;
    r.BeginEdit();
    r.letProperty("TaxYear", "2008");
    r.letProperty("FilingStatus", "1");
    r.letProperty("Dependents", "1");
    r.inc().letProperty("WageSp1", "58000");
    r.adj().letProperty("IRAContribSP1", "5000");
    r.adj().letProperty("IsSp1InRetPlan", "True");
    for (auto _ : state) {
        r.Calculate();
        benchmark::DoNotOptimize(r.get(osgrin::iTop::RegAndAmtTax));
    }
}
BENCHMARK(BM_ReturnWithIraRecomputation);

}  // namespace
