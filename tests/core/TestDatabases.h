#pragma once
// Small databases and file helpers shared by the core tests.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "database/CVelmoraDoc.h"
#include "database/Database.h"
#include "database/Upkeep.h"

namespace velmora::testing {

// A TV channel's fields a test names; the others are those of a plain free channel.
struct ChannelFields {
    std::string name;
    int tp_id = 0;
    int service = 1;
    uint32_t fav_marks = 0;
    int pcr_pid = 101;
};

inline Channel MakeChannel(const ChannelFields& f) {
    Channel ch;
    ch.set_name(f.name);
    ch.set_pcr_pid(static_cast<uint16_t>(f.pcr_pid));
    ch.set_video_pid(101);
    ch.set_ttx_pid(8191);
    ch.set_service_number(static_cast<uint16_t>(f.service));
    ch.set_tp_id(static_cast<uint16_t>(f.tp_id));
    ch.set_fav_marks(f.fav_marks);
    ch.set_fta(1);
    return ch;
}

inline Transponder MakeTransponder(uint16_t frequency, uint8_t satellite, uint16_t tp_id) {
    Transponder t;
    t.set_frequency(frequency);
    t.set_symbol_rate(27500);
    t.set_satellite(satellite);
    t.set_tp_id(tp_id);
    return t;
}

inline void AppendChannel(Database& db, bool radio, const Channel& ch) {
    const int n = db.channel_count(radio);
    db.channels(radio)[n] = ch;
    db.set_channel_count(radio, n + 1);
}

inline void AppendTransponder(Database& db, const Transponder& t) {
    db.transponders[db.tp_count()] = t;
    db.set_tp_count(db.tp_count() + 1);
}

// A new, empty database, as File > New makes it.
inline std::unique_ptr<Database> NewDatabase() {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    return db;
}

// A new database with two satellites, three transponders (already in frequency order),
// four TV channels and one radio channel, some of them in favourite groups.
inline std::unique_ptr<Database> MakeSmallDatabase() {
    auto db = NewDatabase();
    db->satellites[0].set_name("Aurora 19.2E");
    db->satellites[0].set_lnb_low(9750);
    db->satellites[0].set_lnb_high(10600);
    db->satellites[0].set_universal(1);
    db->satellites[1].set_name("Nordlys 0.8W");
    db->satellites[1].set_west(1);
    db->set_sat_count(2);
    AppendTransponder(*db, MakeTransponder(10700, 0, 0));
    AppendTransponder(*db, MakeTransponder(11200, 0, 1));
    AppendTransponder(*db, MakeTransponder(12100, 1, 2));
    AppendChannel(*db, false,
                  MakeChannel({.name = "Nova One", .tp_id = 0, .service = 1, .fav_marks = 0b01}));
    AppendChannel(*db, false,
                  MakeChannel({.name = "Kanal S\xFC"
                                       "d",
                               .tp_id = 0,
                               .service = 2,
                               .fav_marks = 0b10}));
    AppendChannel(*db, false,
                  MakeChannel({.name = "Lumen News", .tp_id = 1, .service = 3, .fav_marks = 0b11}));
    AppendChannel(*db, false, MakeChannel({.name = "Polar Kids", .tp_id = 2, .service = 4}));
    AppendChannel(*db, true,
                  MakeChannel({.name = "Wave FM", .tp_id = 2, .service = 5, .fav_marks = 0b01}));
    db->radio[0].set_video_pid(8191);
    db->radio[0].set_radio_flag(1);
    db->extra.bytes = {1, 2, 3, 4};
    RebuildFavouriteGroups(*db);
    return db;
}

// Every byte of the header, tables and blocks, to check that nothing changed.
inline std::vector<uint8_t> Snapshot(const Database& db) {
    std::vector<uint8_t> out;
    auto add = [&out](const void* p, size_t n) {
        const auto* b = static_cast<const uint8_t*>(p);
        out.insert(out.end(), b, b + n);
    };
    add(db.header.bytes.data(), sizeof(db.header.bytes));
    add(db.satellites.data(), sizeof(db.satellites));
    add(db.transponders.data(), sizeof(db.transponders));
    add(db.tv.data(), sizeof(db.tv));
    add(db.radio.data(), sizeof(db.radio));
    add(db.settings.bytes.data(), sizeof(db.settings.bytes));
    add(db.extra.bytes.data(), sizeof(db.extra.bytes));
    add(db.favourites.bytes.data(), sizeof(db.favourites.bytes));
    return out;
}

// Changes the tables of `doc` as one recorded step ("Edit"), as a command does, so the
// document is modified; without `change` one byte of the extra block flips.
template <typename Change>
void ChangeTables(CVelmoraDoc& doc, Change&& change) {
    doc.Record("Edit", [&](Database& db) { change(db); });
}
inline void ChangeTables(CVelmoraDoc& doc) {
    ChangeTables(doc, [](Database& db) { db.extra.bytes[0] ^= 1; });
}

// Whether an operation changed the tables since the watch was made or last Reset.
class ChangeWatch {
public:
    explicit ChangeWatch(const Database& db) : db_(db), before_(Snapshot(db)) {}
    void Reset() { before_ = Snapshot(db_); }
    bool changed() const { return Snapshot(db_) != before_; }

private:
    const Database& db_;
    std::vector<uint8_t> before_;
};

// A fresh directory, removed with everything in it when the test ends.
class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace velmora::testing
