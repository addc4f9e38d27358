#pragma once
// One listing-import fuzz input, shared by the fuzz target and the test that replays the
// corpus without libFuzzer. Input: one byte choosing the database, the file name up to the
// first newline, then the page. Both import passes run on a database at or near its
// satellite and transponder limits.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "database/Upkeep.h"
#include "import/ListingImport.h"

namespace velmora::fuzzing {

class SilentPrompter : public Prompter {
public:
    Answer Show(std::string_view, std::string_view, Icon, Buttons b) override {
        return b == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

// The database `shape` picks: bits 0-1 the satellite count (61, 62, 63 or 1), bits 2-3
// the transponder count (1995, 1999, 2000 or 3), bit 4 whether the ids are dense or leave
// gaps with one stray id above the table's range.
inline std::unique_ptr<Database> NearlyFullDatabase(uint8_t shape) {
    constexpr int kSatCounts[] = {61, 62, 63, 1};
    constexpr int kTpCounts[] = {1995, 1999, 2000, 3};
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->database_open = true;
    const int sats = kSatCounts[shape & 3];
    const int tps = kTpCounts[(shape >> 2) & 3];
    const bool gaps = shape & 16;
    db->set_sat_count(sats);
    for (int s = 0; s < sats; ++s) db->satellites[s].set_name("SAT " + std::to_string(s));
    db->set_tp_count(tps);
    for (int i = 0; i < tps; ++i) {
        db->transponders[i].set_satellite(static_cast<uint8_t>(i % sats));
        db->transponders[i].set_frequency(static_cast<uint16_t>(10000 + i));
        db->transponders[i].set_symbol_rate(27500);
        int id = i;
        if (gaps && tps < kMaxTransponders) id = i == 7 ? 4000 : i + (i > 100) * (2000 - tps);
        db->transponders[i].set_tp_id(static_cast<uint16_t>(id));
    }
    return db;
}

// Runs the input; false when the import left the database broken.
inline bool RunListingImportInput(const uint8_t* data, size_t size) {
    static std::vector<std::unique_ptr<Database>> bases;
    if (bases.empty())
        for (int shape = 0; shape < 32; ++shape)
            bases.push_back(NearlyFullDatabase(static_cast<uint8_t>(shape)));
    static auto db = std::make_unique<Database>();
    if (size == 0) return true;

    const Database& base = *bases[data[0] & 31];
    ++data, --size;
    size_t split = 0;
    while (split < size && split < 200 && data[split] != '\n') ++split;
    ListingPage page;
    page.opened = !(split > 0 && data[0] == '!');  // a leading '!' stands for an unreadable file
    page.file_name.assign(reinterpret_cast<const char*>(data), split);
    if (size > split)
        page.bytes.assign(reinterpret_cast<const char*>(data) + split + 1, size - split - 1);

    db->tables() = base.tables();
    db->database_open = true;
    SilentPrompter prompter;
    ImportResult result;
    ImportListingPass(*db, page, Band::C, prompter, result);
    ImportListingPass(*db, page, Band::Ku, prompter, result);

    if (db->sat_count() < base.sat_count() || db->sat_count() > kMaxSatellites) return false;
    if (db->tp_count() < base.tp_count() || db->tp_count() > kMaxTransponders) return false;
    if (db->tp_count() - base.tp_count() != result.transponders_added) return false;
    std::vector<bool> seen(65536);
    for (int i = 0; i < db->tp_count(); ++i) {
        const Transponder& tp = db->transponders[i];
        if (tp.satellite() >= db->sat_count() || seen[tp.tp_id()]) return false;
        if (i >= base.tp_count() && tp.tp_id() >= kMaxTransponders) return false;
        seen[tp.tp_id()] = true;
    }
    for (int s : result.new_satellites)
        if (s < base.sat_count() || s >= db->sat_count()) return false;
    return true;
}

}  // namespace velmora::fuzzing
