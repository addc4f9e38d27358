// satellites.xml: reading a file the size of the published ones (200 satellites, 3400
// transponders), importing 10 satellites from it, and a whole update of a database,
// beside Open of a full database from its file in the same run. Reading and importing
// should each stay within twice that Open: a user waits for neither.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <numeric>

#include "bench/FullDatabase.h"
#include "database/DatabaseFile.h"
#include "satxml/SatXmlImport.h"
#include "tests/support/SatXmlText.h"

namespace velmora {
namespace {

class QuietPrompter : public Prompter {
public:
    Answer Show(std::string_view, std::string_view, Icon, Buttons) override { return Answer::Ok; }
};

constexpr int kXmlSatellites = 200;
constexpr int kXmlTranspondersEach = 17;  // 3400 in all

std::string PublishedSizeXml() {
    std::string sats;
    for (int s = 0; s < kXmlSatellites; ++s) {
        const int position = (s % 2 ? -1 : 1) * (s * 9 % 1800);
        std::string tps;
        for (int k = 0; k < kXmlTranspondersEach; ++k)
            tps += testing::XmlTp(10700000 + k * 101000 + s, 22000000 + k * 500000, k % 4, k % 10);
        sats += testing::XmlSat("Satellite number " + std::to_string(s), position, tps);
    }
    return testing::XmlDoc(sats);
}

const std::string& XmlPath() {
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / "velmora-bench-satellites.xml";
        const std::string text = PublishedSizeXml();
        ReplaceFileAtomically(p.string(), std::vector<uint8_t>(text.begin(), text.end()));
        return p.string();
    }();
    return path;
}

void BM_OpenFullDatabaseFile(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "velmora-bench-full.sdx";
    auto full = FullDatabase(Layout::Spread);
    SaveDatabaseFile(*full, path.string());
    auto db = std::make_unique<Database>();
    for (auto _ : state) {
        if (LoadDatabaseFile(*db, path.string()) != OpenResult::Ok) state.SkipWithError("refused");
        benchmark::DoNotOptimize(db.get());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenFullDatabaseFile)->Unit(benchmark::kMillisecond);

void BM_ReadSatellitesXml3400(benchmark::State& state) {
    const std::string& path = XmlPath();
    for (auto _ : state) {
        const SatXmlRead read = ReadSatellitesXmlFile(path);
        if (read.satellites.size() != kXmlSatellites) state.SkipWithError("unexpected file");
        benchmark::DoNotOptimize(read.satellites.data());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_ReadSatellitesXml3400)->Unit(benchmark::kMillisecond);

// Reading the file and appending 10 of its satellites, as xml-import does.
void BM_ReadAndImport10Satellites(benchmark::State& state) {
    const std::string& path = XmlPath();
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    QuietPrompter prompter;
    std::vector<int> ten(10);
    std::iota(ten.begin(), ten.end(), 0);
    for (auto _ : state) {
        db->set_sat_count(0);
        db->set_tp_count(0);
        const SatXmlRead read = ReadSatellitesXmlFile(path);
        XmlImportCounts counts;
        if (!ImportXmlSatellites(*db, read.satellites, ten, prompter, counts))
            state.SkipWithError("refused");
    }
}
BENCHMARK(BM_ReadAndImport10Satellites)->Unit(benchmark::kMillisecond);

// Planning the update of a full database (63 satellites, 2000 transponders) from the file.
void BM_PlanUpdateOfFullDatabase(benchmark::State& state) {
    const SatXmlRead read = ReadSatellitesXmlFile(XmlPath());
    auto db = FullDatabase(Layout::Spread);
    for (int s = 0; s < db->sat_count(); ++s) {
        db->satellites[s].set_angle(static_cast<uint16_t>(s * 9 % 1800 * 10));
        db->satellites[s].set_west(s % 2);
    }
    for (auto _ : state) {
        const XmlUpdatePlan plan = PlanXmlUpdate(*db, read.satellites);
        benchmark::DoNotOptimize(plan.added.data());
    }
}
BENCHMARK(BM_PlanUpdateOfFullDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
