// Export and apply of a full database's channel CSV (4000 channels): each should stay well
// under 20 ms, so that a spreadsheet round trip never makes the editor wait.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

#include "exchange/ChannelCsv.h"
#include "exchange/ChannelHtml.h"
#include "exchange/CsvEdits.h"
#include "tests/support/SampleDatabase.h"

namespace velmora {
namespace {

// 63 satellites, 2000 transponders, 3000 TV and 1000 radio channels with marks.
std::unique_ptr<Database> FullDatabase() {
    auto db = std::make_unique<Database>();
    testing::FillSampleDatabase(*db, {kMaxSatellites, kMaxTransponders, 3000, 1000});
    return db;
}

void BM_ExportCsv4000(benchmark::State& state) {
    auto db = FullDatabase();
    for (auto _ : state) benchmark::DoNotOptimize(ChannelsCsv(*db, ChannelTables::Both));
}
BENCHMARK(BM_ExportCsv4000)->Unit(benchmark::kMillisecond);

void BM_ExportHtml4000(benchmark::State& state) {
    auto db = FullDatabase();
    for (auto _ : state)
        benchmark::DoNotOptimize(ChannelsHtml(*db, ChannelTables::Both, AllListColumns(), "full"));
}
BENCHMARK(BM_ExportHtml4000)->Unit(benchmark::kMillisecond);

// Every row renamed and the TV rows reversed, so that each apply changes every channel
// and reorders a table; the two files alternate so that each run undoes the last.
void BM_ApplyCsv4000(benchmark::State& state) {
    auto db = FullDatabase();
    const std::string original = ChannelsCsv(*db, ChannelTables::Both);
    auto edited_db = FullDatabase();
    std::reverse(edited_db->tv.begin(), edited_db->tv.begin() + edited_db->tv_count());
    for (int i = 0; i < edited_db->tv_count(); ++i)
        edited_db->tv[i].set_name("Edited " + std::to_string(i));
    const std::string edited = ChannelsCsv(*edited_db, ChannelTables::Both);
    bool flip = false;
    for (auto _ : state) {
        const CsvEditsResult r = ApplyCsvEdits(*db, flip ? original : edited);
        if (r.refusal) state.SkipWithError(r.refusal->c_str());
        flip = !flip;
    }
}
BENCHMARK(BM_ApplyCsv4000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
