// libFuzzer entry point of the return harness: one return loaded from the
// input and computed under each year's law; the body is shared with the
// regression tests.
#include "ReturnHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tavrel::fuzz::runReturnInput(data, size);
}
