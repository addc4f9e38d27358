// Find-as-you-type on a full table of 4000 TV channels: one keystroke is a new find text
// and a relist of every channel through it.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "channels/ChannelList.h"
#include "database/Upkeep.h"

namespace velmora {
namespace {

std::unique_ptr<Database> FullTvTable() {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->database_open = true;
    static const char* kWords[] = {"Sport", "News",       "Cinema",    "Kids", "Music",
                                   "Docu",  "M\xDCnchen", "\xC9toile", "Info", "Live"};
    std::mt19937 random(4000);
    for (int i = 0; i < kMaxChannels; ++i) {
        std::string name = kWords[random() % 10];
        name += " " + std::to_string(random() % 1000);
        db->tv[i].set_name(name.substr(0, 15));
    }
    db->set_tv_count(kMaxChannels);
    return db;
}

// Typing "cinema 1" one character at a time, then clearing it: each step is a keystroke.
void BM_FindKeystroke(benchmark::State& state) {
    auto db = FullTvTable();
    ChannelList list;
    list.FillAllChannels(*db);
    const std::string typed = "cinema 1";
    size_t step = 0;
    for (auto _ : state) {
        step = (step + 1) % (typed.size() + 1);
        list.SetFilter(*db, typed.substr(0, step));
        benchmark::DoNotOptimize(list.row_map().data());
    }
    state.counters["rows"] = list.unfiltered_count();
}
BENCHMARK(BM_FindKeystroke)->Unit(benchmark::kMicrosecond);

// A relist with a find text standing, as every command's relist runs it.
void BM_RelistWithFindText(benchmark::State& state) {
    auto db = FullTvTable();
    ChannelList list;
    list.SetFilter(*db, "\xE9TOILE");
    list.FillAllChannels(*db);
    for (auto _ : state) {
        list.ShowTable(*db, ChannelTable::Tv);
        benchmark::DoNotOptimize(list.row_map().data());
    }
    state.counters["shown"] = list.row_count();
}
BENCHMARK(BM_RelistWithFindText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
