#pragma once
// A full database for the benchmarks: every table at its capacity, with varied names,
// PIDs and marks, so that it compresses, sorts and compares like a real one.

#include <memory>
#include <random>
#include <string>

#include "database/Database.h"
#include "database/Upkeep.h"

namespace velmora {

enum class Layout {
    Spread,        // 63 satellites, transponders in random order
    OneSatellite,  // all 2000 transponders on one satellite, in falling frequency
};

// 63 satellites, 2000 transponders and 4000 channels (3000 TV, 1000 radio) with varied
// names, PIDs and marks, so the stream compresses like a real one.
inline std::unique_ptr<Database> FullDatabase(Layout layout) {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    std::mt19937 rng(2024);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % n); };

    for (int s = 0; s < kMaxSatellites; ++s) {
        Satellite& sat = db->satellites[s];
        sat.set_name("Sat " + std::to_string(s * 17 % 180) + "." + std::to_string(s % 10) + "E");
        sat.set_lnb_low(9750);
        sat.set_lnb_high(10600);
        sat.set_angle(static_cast<uint16_t>(s * 170));
        sat.set_sat_flags(2u | 1u << 2 | (s % 5) << 4 | 1u << 8);
    }
    db->set_sat_count(kMaxSatellites);

    for (int i = 0; i < kMaxTransponders; ++i) {
        Transponder& t = db->transponders[i];
        const bool one = layout == Layout::OneSatellite;
        t.set_frequency(static_cast<uint16_t>(one ? 12750 - i : 10700 + pick(2050)));
        t.set_symbol_rate(static_cast<uint16_t>(22000 + 500 * pick(17)));
        t.set_tp_flags(static_cast<uint8_t>(pick(2) | pick(6) << 2));
        t.set_satellite(static_cast<uint8_t>(one ? 0 : pick(kMaxSatellites)));
        t.set_tp_id(static_cast<uint16_t>(i));
    }
    db->set_tp_count(kMaxTransponders);

    const char* stems[] = {"Nova", "Orbit", "Lumen", "Polar", "Vista", "Atlas", "Cobalt", "Ember"};
    const char* kinds[] = {"One", "News", "Kids", "Sport", "Cinema", "HD", "Plus", "Music"};
    for (int i = 0; i < kMaxChannels; ++i) {
        const bool radio = i >= 3000;
        Channel ch;
        ch.set_name(std::string(stems[pick(8)]) + " " + kinds[pick(8)] + " " +
                    std::to_string(pick(100)));
        const uint16_t video = static_cast<uint16_t>(radio ? 8191 : 100 + pick(8000));
        ch.set_pcr_pid(video);
        ch.set_video_pid(video);
        ch.set_ttx_pid(static_cast<uint16_t>(pick(2) ? video + 3 : 8191));
        ch.set_service_number(static_cast<uint16_t>(i));
        ch.set_tp_id(static_cast<uint16_t>(pick(kMaxTransponders)));
        ch.set_plain_audio_pid(0, static_cast<uint16_t>(video + 1));
        ch.set_plain_audio_language(0, static_cast<uint8_t>(pick(62)));
        ch.set_ch_flags(static_cast<uint32_t>(pick(256)) | 1u << 15 | (radio ? 1u << 21 : 0) |
                        static_cast<uint32_t>(pick(2)) << 22);
        db->channels(radio)[radio ? i - 3000 : i] = ch;
    }
    db->set_tv_count(3000);
    db->set_radio_count(1000);
    return db;
}

}  // namespace velmora
