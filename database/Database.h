#pragma once
// The whole channel database in fixed-capacity tables of raw records, plus the
// document state every command tests (open flag, path).

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "database/Records.h"

namespace velmora {

inline constexpr int kMaxSatellites = 63;
inline constexpr int kMaxTransponders = 2000;
inline constexpr int kMaxChannels = 4000;  // TV and radio together
inline constexpr size_t kPayloadAreaSize = 1048576;

// Everything a file holds: the header with the live counts, the tables and the blocks.
// Copyable as a whole, so a snapshot of the database is one assignment.
struct DatabaseTables {
    SdxHeader header;
    std::array<Satellite, kMaxSatellites> satellites;
    std::array<Transponder, kMaxTransponders> transponders;
    std::array<Channel, kMaxChannels> tv;
    std::array<Channel, kMaxChannels> radio;
    SettingsBlock settings;
    ExtraBlock extra;
    FavouriteGroups favourites;
};

class Database : public DatabaseTables {
public:
    Database();

    DatabaseTables& tables() { return *this; }
    const DatabaseTables& tables() const { return *this; }

    bool database_open = false;
    std::string path_name;

    // The scratch area the payload is inflated into and packed from.
    uint8_t* payload() { return payload_.get(); }

    int sat_count() const { return header.sat_count(); }
    int tp_count() const { return header.tp_count(); }
    int tv_count() const { return header.tv_count(); }
    int radio_count() const { return header.radio_count(); }
    void set_sat_count(int n) { header.set_sat_count(n); }
    void set_tp_count(int n) { header.set_tp_count(n); }
    void set_tv_count(int n) { header.set_tv_count(n); }
    void set_radio_count(int n) { header.set_radio_count(n); }

    // The TV table (radio = false) or the radio table, with its count.
    std::array<Channel, kMaxChannels>& channels(bool radio_table) {
        return radio_table ? radio : tv;
    }
    const std::array<Channel, kMaxChannels>& channels(bool radio_table) const {
        return radio_table ? radio : tv;
    }
    int channel_count(bool radio_table) const { return radio_table ? radio_count() : tv_count(); }
    void set_channel_count(bool radio_table, int n) {
        radio_table ? set_radio_count(n) : set_tv_count(n);
    }

    // Index of the first transponder in use whose tp_id is `tp_id`, or -1.
    int FindTransponder(int tp_id) const;
    // Satellite index of the transponder carrying `tp_id`, or -1 when none does.
    int SatelliteOfTransponder(int tp_id) const;
    // Lowest tp_id from 0 upward that no transponder in use carries (kMaxTransponders when
    // every id below it is taken).
    int LowestFreeTpId() const;

private:
    std::unique_ptr<uint8_t[]> payload_;
};

}  // namespace velmora
