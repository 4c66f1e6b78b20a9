// libFuzzer entry point of the ratefile harness; the body is shared with the
// regression tests in tests/fuzz_regressions.
#include "RateFileHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tavrel::fuzz::runRateFileInput(data, size);
}
