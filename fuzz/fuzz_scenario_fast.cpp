// libFuzzer entry point of the faster scenario harness: the silent run with the
// search switched off in [AMT], so the fuzzer spends its time on the file,
// the returns and the reports rather than on 501 evaluations per input.
#include "ScenarioHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tavrel::fuzz::runScenarioInput(data, size, {.skipSearch = true, .checkResave = true});
}
