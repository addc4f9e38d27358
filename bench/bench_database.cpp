// Open and Save of a full database against the zlib calls they are built on: Open should
// cost at most twice a bare uncompress of the payload, Save at most 1.2 times a bare
// compress. The health check of the same database, beside Open, should stay under 10 ms.

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/FullDatabase.h"
#include "database/DatabaseFile.h"
#include "database/SdxFile.h"
#include "database/Upkeep.h"
#include "health/Findings.h"

namespace velmora {
namespace {

struct Fixture {
    std::unique_ptr<Database> db;
    std::vector<uint8_t> file;  // header and stream
    size_t payload_length;
};

Fixture& Prepared(Layout layout) {
    static Fixture fixtures[2];
    Fixture& f = fixtures[static_cast<int>(layout)];
    if (!f.db) {
        f.db = FullDatabase(layout);
        f.payload_length = PackSections(*f.db);
        f.file = *WriteDatabase(*f.db);
    }
    return f;
}

void BareUncompress(benchmark::State& state, Layout layout) {
    const Fixture& f = Prepared(layout);
    std::vector<uint8_t> out(f.payload_length);
    for (auto _ : state) {
        uLongf length = static_cast<uLongf>(out.size());
        uncompress(out.data(), &length, f.file.data() + SdxHeader::kSize,
                   static_cast<uLong>(f.file.size() - SdxHeader::kSize));
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["payload"] = static_cast<double>(f.payload_length);
    state.counters["stream"] = static_cast<double>(f.file.size() - SdxHeader::kSize);
}

void Open(benchmark::State& state, Layout layout) {
    const Fixture& f = Prepared(layout);
    auto db = std::make_unique<Database>();
    for (auto _ : state) {
        if (!ReadDatabase(*db, f.file)) state.SkipWithError("file refused");
        UnpackSections(*db);
        RunAfterOpenSteps(*db);
        benchmark::DoNotOptimize(db.get());
    }
}

// The check of the tables as Open leaves them.
void Check(benchmark::State& state, Layout layout) {
    const Fixture& f = Prepared(layout);
    auto db = std::make_unique<Database>();
    if (!ReadDatabase(*db, f.file)) state.SkipWithError("file refused");
    UnpackSections(*db);
    RunAfterOpenSteps(*db);
    size_t found = 0;
    for (auto _ : state) {
        const std::vector<Finding> findings = CheckDatabase(*db);
        found = findings.size();
        benchmark::DoNotOptimize(findings.data());
    }
    state.counters["findings"] = static_cast<double>(found);
}

void BareCompress(benchmark::State& state, Layout layout) {
    Fixture& f = Prepared(layout);
    PackSections(*f.db);
    std::vector<uint8_t> out(compressBound(f.payload_length));
    for (auto _ : state) {
        uLongf length = static_cast<uLongf>(out.size());
        compress(out.data(), &length, f.db->payload(), static_cast<uLong>(f.payload_length));
        benchmark::DoNotOptimize(out.data());
    }
}

// Packing, compressing and the header, without the file.
void WriteImage(benchmark::State& state, Layout layout) {
    Fixture& f = Prepared(layout);
    for (auto _ : state) benchmark::DoNotOptimize(WriteDatabase(*f.db));
}

void Save(benchmark::State& state, Layout layout) {
    Fixture& f = Prepared(layout);
    const std::string path =
        (std::filesystem::temp_directory_path() / "velmora-bench-save.sdx").string();
    for (auto _ : state) {
        if (SaveDatabaseFile(*f.db, path) != SaveResult::Written) state.SkipWithError("not saved");
    }
    std::filesystem::remove(path);
}

BENCHMARK_CAPTURE(BareUncompress, spread, Layout::Spread)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Open, spread, Layout::Spread)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BareUncompress, one_satellite, Layout::OneSatellite)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Open, one_satellite, Layout::OneSatellite)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, spread, Layout::Spread)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Check, one_satellite, Layout::OneSatellite)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BareCompress, spread, Layout::Spread)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WriteImage, spread, Layout::Spread)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Save, spread, Layout::Spread)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
