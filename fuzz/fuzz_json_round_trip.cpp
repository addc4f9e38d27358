// libFuzzer entry for load's JSON reader; the round trip is JsonRoundTripInput.h's.

#include "fuzz/JsonRoundTripInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!velmora::fuzzing::RunJsonRoundTripInput(data, size)) __builtin_trap();
    return 0;
}
