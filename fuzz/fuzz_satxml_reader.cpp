// libFuzzer entry for the satellites.xml reader; the input format is SatXmlReaderInput.h's.

#include "fuzz/SatXmlReaderInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!velmora::fuzzing::RunSatXmlReaderInput(data, size)) __builtin_trap();
    return 0;
}
