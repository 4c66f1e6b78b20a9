// Cost of the whole analysis as the report run performs it: the 501-point search
// (1,002 return computations) and the final evaluation of the chosen amount.
#include "AMT.h"
#include "Calculate.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {


void BM_SearchProtocolJointHighIncome(benchmark::State& state) {
    const std::string file = TAVREL_EXAMPLES "/joint-high-income.amt";
    mirvane::AMT p;
    p.Load(file);
    p.cur().Load(file);
    p.nxt().Load(file);
    p.cur().BeginEdit();
    p.cur().letProperty("TaxYear", "2008");
    p.nxt().BeginEdit();
    p.nxt().letProperty("TaxYear", "2008");
    const auto cap = p.values().MaxItemizedTaxDeferred;
    for (auto _ : state) {
        p.letMoney(&mirvane::AMT::Stored::MaxItemizedTaxDeferred, cap);  // the report run keeps and restores it
        mirvane::RunAnalysisProtocol(p);
        benchmark::DoNotOptimize(p.values().PVSavings);
    }
    state.counters["returns/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 1006, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchProtocolJointHighIncome)->Unit(benchmark::kMillisecond);

}  // namespace
