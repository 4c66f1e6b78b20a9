// Cost of the whole analysis as the report run performs it: the 501-point search
// (1,002 return computations) and the final evaluation of the chosen amount.
#include "planner/AMT.h"
#include "planner/Calculate.h"
#include "planner/ScenarioFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_SearchProtocolJointHighIncome(benchmark::State& state) {
    const std::string file = TAVREL_EXAMPLES "/joint-high-income.amt";
    mirvane::AMT p;
    mirvane::OpenForAnalysis(p, file, osgrin::LawEdition::Tables2008);
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
