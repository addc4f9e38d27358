// libFuzzer entry for the .sdx reader; the input format is SdxReaderInput.h's.

#include "fuzz/SdxReaderInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!velmora::fuzzing::RunSdxReaderInput(data, size)) __builtin_trap();
    return 0;
}
