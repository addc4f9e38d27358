// Snapshot (Begin + Commit of a command) and restore (Undo) on a full-capacity database.

#include <benchmark/benchmark.h>

#include "database/UndoHistory.h"
#include "database/Upkeep.h"

namespace velmora {
namespace {

std::unique_ptr<Database> FullDatabase() {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->set_sat_count(kMaxSatellites);
    db->set_tp_count(kMaxTransponders);
    db->set_tv_count(kMaxChannels / 2);
    db->set_radio_count(kMaxChannels / 2);
    for (int i = 0; i < kMaxChannels / 2; ++i) {
        db->tv[i].set_name("TV " + std::to_string(i));
        db->radio[i].set_name("Radio " + std::to_string(i));
    }
    return db;
}

// One command touching one record: the common case.
void BM_SnapshotSmallEdit(benchmark::State& state) {
    auto db = FullDatabase();
    UndoHistory h;
    uint16_t pid = 0;
    for (auto _ : state) {
        h.Begin(*db);
        db->tv[100].set_pcr_pid(++pid);
        h.Commit(*db, "Edit Channel");
    }
}
BENCHMARK(BM_SnapshotSmallEdit)->Unit(benchmark::kMillisecond);

// A sort rewrites a whole table: the largest step a command makes.
void BM_SnapshotWholeTable(benchmark::State& state) {
    auto db = FullDatabase();
    UndoHistory h;
    for (auto _ : state) {
        h.Begin(*db);
        std::reverse(db->tv.begin(), db->tv.begin() + db->tv_count());
        h.Commit(*db, "Sort");
    }
}
BENCHMARK(BM_SnapshotWholeTable)->Unit(benchmark::kMillisecond);

void BM_RestoreWholeTable(benchmark::State& state) {
    auto db = FullDatabase();
    UndoHistory h;
    h.Begin(*db);
    std::reverse(db->tv.begin(), db->tv.begin() + db->tv_count());
    h.Commit(*db, "Sort");
    for (auto _ : state) {
        h.Undo(*db);
        h.Redo(*db);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_RestoreWholeTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
