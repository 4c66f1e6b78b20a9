// libFuzzer entry point of the scenario harness: the whole silent run, the
// 501-point search included; the body is shared with the regression tests.
#include "ScenarioHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tavrel::fuzz::runScenarioInput(data, size, {.skipSearch = false, .checkResave = true});
}
