// Replays every input kept in tests/corpus through the fuzz targets' own code, so that the
// seeds and every input that once found a fault run with each test build, sanitizers too.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fuzz/CsvEditsInput.h"
#include "fuzz/JsonRoundTripInput.h"
#include "fuzz/ListingImportInput.h"
#include "fuzz/OrderReferenceInput.h"
#include "fuzz/SatXmlReaderInput.h"
#include "fuzz/SdxReaderInput.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

template <typename Run>
void ReplayCorpus(const std::string& target, Run run) {
    const fs::path dir = fs::path(VELMORA_SOURCE_DIR) / "tests" / "corpus" / target;
    int replayed = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const auto bytes = testing::ReadBytes(entry.path().string());
        EXPECT_TRUE(run(bytes.data(), bytes.size())) << entry.path();
        ++replayed;
    }
    EXPECT_GT(replayed, 0) << dir;
}

TEST(FuzzCorpus, EveryReaderInputSurvivesASaveAndReopen) {
    ReplayCorpus("sdx_reader", fuzzing::RunSdxReaderInput);
}

TEST(FuzzCorpus, EveryImportInputLeavesTheDatabaseSound) {
    ReplayCorpus("listing_import", fuzzing::RunListingImportInput);
}

TEST(FuzzCorpus, EverySatellitesXmlInputLeavesTheTablesSound) {
    ReplayCorpus("satxml_reader", fuzzing::RunSatXmlReaderInput);
}

TEST(FuzzCorpus, EveryJsonInputSurvivesDumpLoadAndSave) {
    ReplayCorpus("json_round_trip", fuzzing::RunJsonRoundTripInput);
    // The seed the fuzz runs start from.
    const auto sample =
        testing::ReadBytes(std::string(VELMORA_SOURCE_DIR) + "/examples/sample.json");
    EXPECT_TRUE(fuzzing::RunJsonRoundTripInput(sample.data(), sample.size()));
}

TEST(FuzzCorpus, EveryCsvEditsInputChangesAllOrNothing) {
    ReplayCorpus("csv_edits", fuzzing::RunCsvEditsInput);
}

TEST(FuzzCorpus, EveryOrderReferenceInputOnlyMovesChannels) {
    ReplayCorpus("order_reference", fuzzing::RunOrderReferenceInput);
}

}  // namespace
}  // namespace velmora
