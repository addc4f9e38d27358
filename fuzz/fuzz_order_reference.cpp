// libFuzzer entry for reading an order reference; the checks are OrderReferenceInput.h's.

#include "fuzz/OrderReferenceInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!velmora::fuzzing::RunOrderReferenceInput(data, size)) __builtin_trap();
    return 0;
}
