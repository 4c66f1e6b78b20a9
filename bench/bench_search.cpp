// Cost of the whole analysis as the report run performs it: the 501-point search
// (1,002 return computations) and the final evaluation of the chosen amount.
#include "planner/AMT.h"
#include "planner/Calculate.h"
#include "planner/ScenarioFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The search on one example under its law: the 2008 tables' household, and the
// 2025-2026 household whose cap puts kinks in the curve.
void searchProtocol(benchmark::State& state, const char* example, osgrin::LawEdition law) {
    std::string file = TAVREL_EXAMPLES "/";
    file.append(example).append(".amt");
    mirvane::AMT p;
    mirvane::OpenForAnalysis(p, file, law);
    const auto cap = p.values().MaxItemizedTaxDeferred;
    for (auto _ : state) {
        p.letMoney(&mirvane::AMT::Stored::MaxItemizedTaxDeferred, cap);  // the report run keeps and restores it
        mirvane::RunAnalysisProtocol(p);
        benchmark::DoNotOptimize(p.values().PVSavings);
    }
    state.counters["returns/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 1006, benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(searchProtocol, JointHighIncome, "joint-high-income", osgrin::LawEdition::Tables2008)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchProtocol, Joint2025SaltCap, "joint-2025-2026-salt-cap", osgrin::LawEdition::Enacted)
    ->Unit(benchmark::kMillisecond);

}  // namespace
