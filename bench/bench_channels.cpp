// The channel sorts on a full table of 4000 TV channels, each run including the relist
// the command ends with. Every iteration starts again from the same unsorted table.
#include <benchmark/benchmark.h>

#include <cctype>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "channels/ChannelCommands.h"
#include "database/Upkeep.h"

namespace velmora {
namespace {

class NoPrompts : public Prompter {
public:
    Answer Show(std::string_view, std::string_view, Icon, Buttons) override { return Answer::No; }
};

class NoDialogs : public ChannelDialogs {
public:
    bool RunChannel(ChannelForm&) override { return false; }
    bool RunAudio(AudioForm&) override { return false; }
    bool RunMove(MoveForm&) override { return false; }
};

// 4000 channels on 2000 transponders of 63 satellites, named from 60 base names in
// three case variants, so most names have many equals.
std::unique_ptr<Database> FullDatabase() {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->database_open = true;
    std::mt19937 random(4000);
    for (int s = 0; s < kMaxSatellites; ++s) db->satellites[s].set_name("Sat" + std::to_string(s));
    db->set_sat_count(kMaxSatellites);
    for (int i = 0; i < kMaxTransponders; ++i) {
        db->transponders[i].set_tp_id(static_cast<uint16_t>((i * 7) % kMaxTransponders));
        db->transponders[i].set_satellite(static_cast<uint8_t>(random() % kMaxSatellites));
    }
    db->set_tp_count(kMaxTransponders);
    for (int i = 0; i < kMaxChannels; ++i) {
        std::string name = "Channel " + std::to_string(random() % 60);
        switch (random() % 3) {
            case 0:
                for (char& c : name) c = static_cast<char>(std::toupper(c));
                break;
            case 1:
                for (char& c : name) c = static_cast<char>(std::tolower(c));
                break;
        }
        Channel& ch = db->tv[i];
        ch.set_name(name);
        ch.set_tp_id(static_cast<uint16_t>(random() % kMaxTransponders));
        ch.set_service_number(static_cast<uint16_t>(i + 1));
    }
    db->set_tv_count(kMaxChannels);
    return db;
}

void RunSort(benchmark::State& state, int (*command)(ChannelCommandContext&)) {
    auto db = FullDatabase();
    const auto unsorted = db->tv;
    ChannelList list;
    list.ShowTable(*db, ChannelTable::Tv);
    NoPrompts prompter;
    NoDialogs dialogs;
    for (auto _ : state) {
        db->tv = unsorted;
        ChannelCommandContext context{*db, list, {}, prompter, dialogs};
        benchmark::DoNotOptimize(command(context));
        benchmark::DoNotOptimize(list.row_map().data());
    }
}

void BM_SortAToZ(benchmark::State& state) {
    RunSort(state, [](ChannelCommandContext& c) { return SortChannelsByName(c, false); });
}
void BM_SortZToA(benchmark::State& state) {
    RunSort(state, [](ChannelCommandContext& c) { return SortChannelsByName(c, true); });
}
void BM_SortByTransponder(benchmark::State& state) {
    RunSort(state, SortChannelsByTransponder);
}
void BM_SortBySatellite(benchmark::State& state) {
    RunSort(state, SortChannelsBySatellite);
}

BENCHMARK(BM_SortAToZ)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortZToA)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByTransponder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortBySatellite)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
