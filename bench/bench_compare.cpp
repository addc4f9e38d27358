// Comparing two full databases (63 satellites, 2000 transponders, 4000 channels) and
// applying one's order to the other, against opening the two files they come from: the
// diff and the apply-order should each stay under 20 ms and near the cost of the opens.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>

#include "bench/FullDatabase.h"
#include "compare/ApplyOrder.h"
#include "compare/CompareRows.h"
#include "compare/DatabaseDiff.h"
#include "database/DatabaseFile.h"

namespace velmora {
namespace {

// Two files: a full database, and a copy with its channels shuffled and a few records
// changed, removed and added, as a rescan of the same sky gives.
struct ComparePair {
    std::string a_path, b_path;
    std::unique_ptr<Database> a, b;
};

std::unique_ptr<Database> Copy(const Database& db) {
    auto copy = std::make_unique<Database>();
    copy->tables() = db.tables();
    return copy;
}

const ComparePair& Prepared() {
    static ComparePair pair;
    if (pair.a) return pair;
    const auto dir = std::filesystem::temp_directory_path();
    pair.a_path = (dir / "velmora-bench-compare-a.sdx").string();
    pair.b_path = (dir / "velmora-bench-compare-b.sdx").string();
    auto a = FullDatabase(Layout::Spread);
    auto b = Copy(*a);
    std::mt19937 rng(7);
    for (bool radio : {false, true}) {
        auto& table = b->channels(radio);
        std::shuffle(table.begin(), table.begin() + b->channel_count(radio), rng);
        for (int i = 0; i < b->channel_count(radio); i += 37) table[i].set_name("Renamed");
    }
    for (int t = 0; t < b->tp_count(); t += 101) b->transponders[t].set_symbol_rate(1000);
    b->set_tv_count(b->tv_count() - 20);
    SaveDatabaseFile(*a, pair.a_path);
    SaveDatabaseFile(*b, pair.b_path);
    pair.a = std::make_unique<Database>();
    pair.b = std::make_unique<Database>();
    LoadDatabaseFile(*pair.a, pair.a_path, FileAccess::ReadOnly);
    LoadDatabaseFile(*pair.b, pair.b_path, FileAccess::ReadOnly);
    return pair;
}

void BM_OpenTwoFullFiles(benchmark::State& state) {
    const ComparePair& p = Prepared();
    auto a = std::make_unique<Database>();
    auto b = std::make_unique<Database>();
    for (auto _ : state) {
        if (LoadDatabaseFile(*a, p.a_path, FileAccess::ReadOnly) != OpenResult::Ok ||
            LoadDatabaseFile(*b, p.b_path, FileAccess::ReadOnly) != OpenResult::Ok)
            state.SkipWithError("file refused");
        benchmark::DoNotOptimize(a.get());
        benchmark::DoNotOptimize(b.get());
    }
}
BENCHMARK(BM_OpenTwoFullFiles)->Unit(benchmark::kMillisecond);

void BM_DiffTwoFullDatabases(benchmark::State& state) {
    const ComparePair& p = Prepared();
    for (auto _ : state) {
        const DatabaseDiff diff = DiffDatabases(*p.a, *p.b);
        benchmark::DoNotOptimize(diff.tv.changed.size());
    }
}
BENCHMARK(BM_DiffTwoFullDatabases)->Unit(benchmark::kMillisecond);

// The comparison window's rows with every change in words, when every channel differs
// (renamed and locked): the most it ever words.
void BM_CompareRowsInWordsEveryChannelChanged(benchmark::State& state) {
    const ComparePair& p = Prepared();
    auto b = Copy(*p.a);
    for (bool radio : {false, true}) {
        for (int i = 0; i < b->channel_count(radio); ++i) {
            Channel& ch = b->channels(radio)[i];
            ch.set_name(ch.name() + "+");
            ch.set_locked(!ch.locked());
        }
    }
    for (auto _ : state) {
        const std::vector<CompareRow> rows = BuildCompareRows(*p.a, *b, DiffDatabases(*p.a, *b));
        benchmark::DoNotOptimize(rows.size());
    }
}
BENCHMARK(BM_CompareRowsInWordsEveryChannelChanged)->Unit(benchmark::kMillisecond);

void BM_ApplyOrderOfAFullDatabase(benchmark::State& state) {
    const ComparePair& p = Prepared();
    auto work = std::make_unique<Database>();
    for (auto _ : state) {
        work->tables() = p.b->tables();  // a fresh shuffled copy each time
        const OrderCounts counts = ApplyOrder(*work, *p.a);
        benchmark::DoNotOptimize(counts.tv_ordered);
    }
}
BENCHMARK(BM_ApplyOrderOfAFullDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
