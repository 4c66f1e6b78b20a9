// libFuzzer entry point of the numeric harness; the body is shared with the
// regression tests in tests/fuzz_regressions.
#include "NumericHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tavrel::fuzz::runNumericInput(data, size);
}
