// libFuzzer entry for apply-csv on the example database; the checks are CsvEditsInput.h's.

#include "fuzz/CsvEditsInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!velmora::fuzzing::RunCsvEditsInput(data, size)) __builtin_trap();
    return 0;
}
