#pragma once
// Realistic made-up databases for tests, benchmarks and screenshots: satellites with
// different LNB, DiSEqC and motor settings, transponders, TV and radio channels with
// favourite marks. Deterministic: the same call always gives the same tables.

#include <cstdint>
#include <string>

#include "database/Database.h"
#include "database/Upkeep.h"

namespace velmora::testing {

struct SampleShape {
    int satellites = 4;
    int transponders = 40;
    int tv = 150;
    int radio = 30;
};

inline uint32_t SampleRandom(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

// Resets `db` as New does and fills it with `shape`. The database is not marked open.
inline void FillSampleDatabase(Database& db, SampleShape shape = {}) {
    ResetToNewDatabase(db);
    uint32_t rnd = 20051223u;

    static const char* kSatNames[] = {"Astra 19.2E",  "Hotbird 13E", "Turksat 42E",  "Nilesat 7W",
                                      "Eutelsat 16E", "Thor 1W",     "Hispasat 30W", "Amos 4W"};
    for (int s = 0; s < shape.satellites; ++s) {
        Satellite& sat = db.satellites[s];
        sat = Satellite{};
        std::string name = kSatNames[s % 8];
        if (s >= 8) name = "Sat " + std::to_string(s + 1);
        sat.set_name(name);
        sat.set_angle(static_cast<uint16_t>(100 + 150 * s));
        switch (s % 4) {
            case 0:  // Universal LNB on DiSEqC port 1
                sat.set_lnb_low(9750), sat.set_lnb_high(10600), sat.set_universal(1);
                sat.set_diseqc(1), sat.set_tone_22k(2);
                break;
            case 1:  // Universal LNB on port 2
                sat.set_lnb_low(9750), sat.set_lnb_high(10600), sat.set_universal(1);
                sat.set_diseqc(2), sat.set_tone_22k(2);
                break;
            case 2:  // 9750/10750 on a motor
                sat.set_lnb_low(9750), sat.set_lnb_high(10750), sat.set_universal(1);
                sat.set_diseqc(3), sat.set_motor(1);
                break;
            default:  // C band on a USALS motor, no switch
                sat.set_lnb_low(5150), sat.set_lnb_high(5150), sat.set_motor(2);
                break;
        }
    }
    db.set_sat_count(shape.satellites);

    for (int t = 0; t < shape.transponders; ++t) {
        Transponder& tp = db.transponders[t];
        tp = Transponder{};
        const int s = shape.satellites ? t % shape.satellites : 0;
        const bool c_band = s % 4 == 3;
        tp.set_frequency(static_cast<uint16_t>(c_band ? 3600 + SampleRandom(rnd) % 600
                                                      : 10700 + SampleRandom(rnd) % 2050));
        static const uint16_t kRates[] = {27500, 22000, 29900, 30000, 6111, 4340};
        tp.set_symbol_rate(kRates[SampleRandom(rnd) % 6]);
        tp.set_polarisation(static_cast<uint8_t>(SampleRandom(rnd) % 2));
        tp.set_fec(static_cast<uint8_t>(SampleRandom(rnd) % 6));
        tp.set_satellite(static_cast<uint8_t>(s));
        tp.set_tp_id(static_cast<uint16_t>(t));
    }
    db.set_tp_count(shape.transponders);

    static const char* kFirst[] = {"Nova",   "Atlas", "Orbit", "Lumen", "Vega",   "Delta",
                                   "Aurora", "Polar", "Zenit", "Kappa", "Sirius", "Meridian"};
    static const char* kTv[] = {" TV", " News", " Sport", " Kids", " Music",  " Cinema",
                                " HD", " 24",   " Info",  " Docu", " Series", " Plus"};
    static const char* kRadio[] = {" FM", " Radio", " Jazz", " Classic", " Talk", " Hits"};
    auto make = [&](Channel& ch, int i, bool radio) {
        ch = Channel{};
        std::string name = kFirst[SampleRandom(rnd) % 12];
        name += radio ? kRadio[SampleRandom(rnd) % 6] : kTv[SampleRandom(rnd) % 12];
        if (i >= 144) name += " " + std::to_string(i % 100);
        ch.set_name(name.substr(0, 15));
        const int tp =
            shape.transponders ? static_cast<int>(SampleRandom(rnd) % shape.transponders) : 0;
        ch.set_tp_id(static_cast<uint16_t>(tp));
        ch.set_service_number(static_cast<uint16_t>(1000 + i));
        const uint16_t base = static_cast<uint16_t>(160 + (i % 40) * 32);
        ch.set_video_pid(radio ? 8191 : base);
        ch.set_pcr_pid(radio ? static_cast<uint16_t>(base + 1) : base);
        ch.set_ttx_pid(SampleRandom(rnd) % 3 == 0 ? static_cast<uint16_t>(base + 3) : 8191);
        ch.bytes[8] = static_cast<uint8_t>((base + 1) & 0xFF);
        ch.bytes[9] = static_cast<uint8_t>((base + 1) >> 8);
        ch.bytes[28] = 18;  // English
        ch.set_audio_count(1);
        ch.set_radio_flag(radio ? 1 : 0);
        ch.set_fta(SampleRandom(rnd) % 4 != 0 ? 1 : 0);
        ch.set_locked(SampleRandom(rnd) % 9 == 0 ? 1 : 0);
        uint32_t marks = 0;
        for (int g = 0; g < 8; ++g)
            if (SampleRandom(rnd) % (g < 4 ? 5 : 12) == 0) marks |= 1u << g;
        ch.set_fav_marks(marks);
    };
    for (int i = 0; i < shape.tv; ++i) make(db.tv[i], i, false);
    for (int i = 0; i < shape.radio; ++i) make(db.radio[i], i, true);
    db.set_tv_count(shape.tv);
    db.set_radio_count(shape.radio);
    RebuildFavouriteGroups(db);
}

}  // namespace velmora::testing
