#include "cli/JsonSchema.h"
#include "database/Latin1.h"

namespace velmora::cli {
namespace {

Json HeaderToJson(const SdxHeader& h) {
    return Json{{"signature", Latin1ToUtf8(h.signature())},
                {"sat_count", h.sat_count()},
                {"tp_count", h.tp_count()},
                {"tv_count", h.tv_count()},
                {"radio_count", h.radio_count()},
                {"sat_size", h.sat_size()},
                {"tp_size", h.tp_size()},
                {"ch_size", h.ch_size()},
                {"settings_size", h.settings_size()},
                {"extra_size", h.extra_size()},
                {"fav_a", h.fav_a()},
                {"fav_b", h.fav_b()},
                {"packed_length", h.packed_length()},
                {"checksum", h.checksum()}};
}

}  // namespace

Json SatelliteToJson(const Satellite& s) {
    return Json{{"name", Latin1ToUtf8(s.name())},
                {"lnb_low", s.lnb_low()},
                {"lnb_high", s.lnb_high()},
                {"angle", s.angle()},
                {"sat_flags", s.sat_flags()}};
}

Json TransponderToJson(const Transponder& t) {
    return Json{{"frequency", t.frequency()},
                {"symbol_rate", t.symbol_rate()},
                {"tp_flags", t.tp_flags()},
                {"satellite", t.satellite()},
                {"tp_id", t.tp_id()}};
}

Json ChannelToJson(const Channel& ch) {
    Json audio = Json::array();
    for (int k = 0; k < static_cast<int>(ch.audio_count()); ++k) {
        const AudioEntry e = ch.audio_entry(k);
        audio.push_back(Json::array({e.pid, e.language}));
    }
    return Json{{"name", Latin1ToUtf8(ch.name())},
                {"pcr_pid", ch.pcr_pid()},
                {"video_pid", ch.video_pid()},
                {"ttx_pid", ch.ttx_pid()},
                {"service_number", ch.service_number()},
                {"tp_id", ch.tp_id()},
                {"ch_flags", ch.ch_flags()},
                {"audio", std::move(audio)}};
}

namespace {

Json SettingsToJson(const SettingsBlock& s) {
    Json names = Json::array();
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) names.push_back(Latin1ToUtf8(s.fav_name(g)));
    // The four password bytes end early only when one of them is NUL.
    const std::string password = s.password();
    return Json{{"menu_color", s.menu_color()},
                {"transparency", s.transparency()},
                {"rf_channel", s.rf_channel()},
                {"rf_system", s.rf_system()},
                {"menu_language", s.menu_language()},
                {"password", Latin1ToUtf8(password.substr(0, password.find('\0')))},
                {"lock_flags", s.lock_flags()},
                {"time_offset", s.time_offset()},
                {"audio_language", s.audio_language()},
                {"tv_flags", s.tv_flags()},
                {"fav_names", std::move(names)}};
}

Json GroupsToJson(const FavouriteGroups& f) {
    Json groups = Json::array();
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
        Json lists = Json::object();
        for (bool radio : {false, true}) {
            Json keys = Json::array();
            const int count = std::min<int>(f.key_count(g, radio), FavouriteGroups::kSlots);
            for (int i = 0; i < count; ++i) keys.push_back(f.entry(g, radio, i));
            lists[radio ? "radio" : "tv"] = std::move(keys);
        }
        groups.push_back(std::move(lists));
    }
    return groups;
}

}  // namespace

Json DatabaseToJson(const Database& db) {
    Json satellites = Json::array();
    for (int i = 0; i < db.sat_count(); ++i)
        satellites.push_back(SatelliteToJson(db.satellites[i]));
    Json transponders = Json::array();
    for (int i = 0; i < db.tp_count(); ++i)
        transponders.push_back(TransponderToJson(db.transponders[i]));
    Json tables[2] = {Json::array(), Json::array()};
    for (bool radio : {false, true}) {
        for (int i = 0; i < db.channel_count(radio); ++i)
            tables[radio].push_back(ChannelToJson(db.channels(radio)[i]));
    }
    return Json{{"header", HeaderToJson(db.header)},
                {"satellites", std::move(satellites)},
                {"transponders", std::move(transponders)},
                {"tv", std::move(tables[0])},
                {"radio", std::move(tables[1])},
                {"settings", SettingsToJson(db.settings)},
                {"favourite_groups", GroupsToJson(db.favourites)}};
}

}  // namespace velmora::cli
