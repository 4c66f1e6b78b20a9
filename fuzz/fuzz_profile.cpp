// libFuzzer entry point of the profile harness; the body is shared with the
// regression tests in tests/fuzz_regressions.
#include "ProfileHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tavrel::fuzz::runProfileInput(data, size);
}
