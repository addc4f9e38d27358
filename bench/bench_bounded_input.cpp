// Hostile and full-size CSV files read from disk: refusing a 64 MiB file must cost what
// its first bad line costs, whatever the file's size, and applying a 4000-row file must
// hold a few times its rows, never the file. Each benchmark reports the peak of the heap
// it used (peak_KiB) beside its time; the floor is reading the file's first block.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <string>

#include "compare/OrderReference.h"
#include "database/DatabaseFile.h"
#include "exchange/ChannelCsv.h"
#include "exchange/CsvEdits.h"
#include "tests/support/SampleDatabase.h"

namespace {

// Heap bytes in use and their peak while counting is on: every allocation of the program
// passes here.
std::atomic<bool> counting{false};
std::atomic<long long> in_use{0}, peak{0};

void Count(void* p, int sign) {
    if (!p || !counting.load(std::memory_order_relaxed)) return;
    const long long bytes = sign * static_cast<long long>(malloc_usable_size(p));
    const long long now = in_use.fetch_add(bytes) + bytes;
    long long seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
}

}  // namespace

void* operator new(size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    Count(p, 1);
    return p;
}
void operator delete(void* p) noexcept {
    Count(p, -1);
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    operator delete(p);
}

namespace velmora {
namespace {

// Measures the peak heap of what runs between Start and Report, above what was in use.
struct PeakHeap {
    void Start() {
        in_use = 0;
        peak = 0;
        counting = true;
    }
    void Report(benchmark::State& state) {
        counting = false;
        state.counters["peak_KiB"] = static_cast<double>(peak.load()) / 1024;
    }
};

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("velmora-bench-" + name)).string();
}

// `first` then `filler` repeated to `bytes`, written once per process and size.
std::string HostileFile(const std::string& first, const std::string& filler, size_t bytes,
                        const std::string& name) {
    const std::string path = TempPath(name + "-" + std::to_string(bytes));
    if (std::filesystem::exists(path) && std::filesystem::file_size(path) >= bytes) return path;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::string block = first;
    for (size_t written = 0; written < bytes;) {
        while (block.size() < 64 * 1024) block += filler;
        block.resize(std::min(block.size(), bytes - written));
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
        written += block.size();
        block.clear();
    }
    return path;
}

std::unique_ptr<Database> FullDatabase() {
    auto db = std::make_unique<Database>();
    testing::FillSampleDatabase(*db, {kMaxSatellites, kMaxTransponders, 3000, 1000});
    return db;
}

// The floor: opening the file and reading its first block.
void BM_FloorReadFirstBlock(benchmark::State& state) {
    const std::string path = HostileFile("", "a\n", size_t(state.range(0)) << 20, "lines");
    for (auto _ : state)
        ReadInputFileInBlocks(path, [](std::string_view b) {
            benchmark::DoNotOptimize(b.data());
            return false;
        });
}
BENCHMARK(BM_FloorReadFirstBlock)->Arg(1)->Arg(64)->Unit(benchmark::kMicrosecond);

// apply-csv of "a\n" repeated: refused at line 1, whatever the size (1 and 64 MiB).
void BM_ApplyCsvRefusesHostileFile(benchmark::State& state) {
    const std::string path = HostileFile("", "a\n", size_t(state.range(0)) << 20, "lines");
    auto db = FullDatabase();
    PeakHeap heap;
    heap.Start();
    for (auto _ : state) {
        const CsvEditsResult r = ApplyCsvEdits(*db, CsvInput{{}, path});
        if (!r.refusal) state.SkipWithError("not refused");
    }
    heap.Report(state);
}
BENCHMARK(BM_ApplyCsvRefusesHostileFile)->Arg(1)->Arg(64)->Unit(benchmark::kMicrosecond);

// The order reference of a 64 MiB CSV that repeats one row: read until the table is full.
void BM_OrderReferenceOfHostileCsv(benchmark::State& state) {
    auto db = FullDatabase();
    const std::string csv = ChannelsCsv(*db, ChannelTables::Tv);
    const size_t header_end = csv.find("\r\n") + 2;
    const std::string row = csv.substr(header_end, csv.find("\r\n", header_end) + 2 - header_end);
    const std::string path =
        HostileFile(csv.substr(0, header_end), row, size_t(state.range(0)) << 20, "rows.csv");
    PeakHeap heap;
    heap.Start();
    for (auto _ : state) benchmark::DoNotOptimize(LoadOrderReference(path).problem);
    heap.Report(state);
}
BENCHMARK(BM_OrderReferenceOfHostileCsv)->Arg(64)->Unit(benchmark::kMillisecond);

// apply-csv of a full database's CSV from a file (4000 rows, every TV name changed), on a
// fresh copy each time.
void BM_ApplyCsvFile4000Rows(benchmark::State& state) {
    auto db = FullDatabase();
    auto edited = FullDatabase();
    for (int i = 0; i < edited->tv_count(); ++i)
        edited->tv[i].set_name("Edited " + std::to_string(i));
    const std::string path = TempPath("full.csv");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << ChannelsCsv(*edited, ChannelTables::Both);
    }
    auto work = std::make_unique<Database>();
    PeakHeap heap;
    for (auto _ : state) {
        state.PauseTiming();
        work->tables() = db->tables();
        heap.Start();
        state.ResumeTiming();
        const CsvEditsResult r = ApplyCsvEdits(*work, CsvInput{{}, path});
        if (r.refusal) state.SkipWithError(r.refusal->c_str());
        state.PauseTiming();
        counting = false;
        state.ResumeTiming();
    }
    heap.Report(state);
    state.counters["file_KiB"] = static_cast<double>(std::filesystem::file_size(path)) / 1024;
}
BENCHMARK(BM_ApplyCsvFile4000Rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
