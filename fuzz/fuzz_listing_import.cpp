// libFuzzer entry for the listing-page import; the input format is ListingImportInput.h's.

#include "fuzz/ListingImportInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!velmora::fuzzing::RunListingImportInput(data, size)) __builtin_trap();
    return 0;
}
