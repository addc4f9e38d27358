#include <algorithm>
#include <cctype>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "channels/AudioEntries.h"
#include "cli/JsonSchema.h"
#include "database/Latin1.h"
#include "database/Upkeep.h"

namespace velmora::cli {
namespace {

constexpr uint64_t kU8 = 0xFF;
constexpr uint64_t kU16 = 0xFFFF;
constexpr uint64_t kU32 = 0xFFFFFFFF;

// Reads fields with their path ("tv[3].name") so a refusal can name the field. The first
// problem found is kept in `error`; every step returns false from then on.
class FieldReader {
public:
    std::optional<std::string> error;

    bool Fail(const std::string& path, const std::string& problem) {
        // The path holds keys of the input: no control character reaches a terminal.
        if (!error) error = "bad field \"" + EscapeControls(path) + "\": " + problem;
        return false;
    }

    // `value` must be an object holding no keys but `keys`.
    bool Object(const Json& value, const std::string& path,
                std::initializer_list<const char*> keys) {
        if (!value.is_object()) return Fail(path, "expected an object");
        for (const auto& item : value.items()) {
            const std::string& key = item.key();
            if (std::none_of(keys.begin(), keys.end(), [&](const char* k) { return key == k; }))
                return Fail(Join(path, key), "unknown field");
        }
        return true;
    }

    // `value` must be an array of at most `max` elements.
    bool Array(const Json& value, const std::string& path, size_t max) {
        if (!value.is_array()) return Fail(path, "expected an array");
        if (value.size() > max)
            return Fail(path, "at most " + std::to_string(max) + " elements, not " +
                                  std::to_string(value.size()));
        return true;
    }

    // An integer from 0 to `max`; a missing key leaves `out` as it is.
    template <typename T>
    bool Unsigned(const Json& object, const std::string& path, const char* key, uint64_t max,
                  T& out) {
        const auto it = object.find(key);
        if (it == object.end()) return true;
        uint64_t v = 0;
        if (!UnsignedValue(*it, Join(path, key), max, v)) return false;
        out = static_cast<T>(v);
        return true;
    }

    bool UnsignedValue(const Json& value, const std::string& path, uint64_t max, uint64_t& out) {
        const std::string range = "expected an integer from 0 to " + std::to_string(max);
        if (!value.is_number_unsigned() && !value.is_number_integer()) return Fail(path, range);
        if (value.is_number_integer() && !value.is_number_unsigned() && value.get<int64_t>() < 0)
            return Fail(path, range);
        out = value.get<uint64_t>();
        if (out > max) return Fail(path, range);
        return true;
    }

    bool Signed8(const Json& object, const std::string& path, const char* key, int8_t& out) {
        const auto it = object.find(key);
        if (it == object.end()) return true;
        const bool fits = it->is_number_unsigned() ? it->get<uint64_t>() <= 127
                          : it->is_number_integer()
                              ? it->get<int64_t>() >= -128 && it->get<int64_t>() <= 127
                              : false;
        if (!fits) return Fail(Join(path, key), "expected an integer from -128 to 127");
        out = static_cast<int8_t>(it->get<int64_t>());
        return true;
    }

    // Text of at most `max` ISO-8859-1 characters, none of them NUL.
    bool Text(const Json& value, const std::string& path, size_t max, std::string& out) {
        if (!value.is_string()) return Fail(path, "expected a string");
        const auto bytes = Utf8ToLatin1(value.get_ref<const std::string&>());
        if (!bytes) return Fail(path, "only characters up to U+00FF (ISO-8859-1) fit the field");
        if (bytes->find('\0') != std::string::npos) return Fail(path, "NUL inside the text");
        if (bytes->size() > max)
            return Fail(path, "at most " + std::to_string(max) + " characters, not " +
                                  std::to_string(bytes->size()));
        out = *bytes;
        return true;
    }

    // Text field `key`; a missing key leaves `out` as it is.
    bool TextField(const Json& object, const std::string& path, const char* key, size_t max,
                   std::string& out) {
        const auto it = object.find(key);
        return it == object.end() || Text(*it, Join(path, key), max, out);
    }

    static std::string Join(const std::string& path, const std::string& key) {
        return path.empty() ? key : path + "." + key;
    }
    static std::string Index(const std::string& path, size_t i) {
        return path + "[" + std::to_string(i) + "]";
    }
};

// Longest texts load takes: what a file that opens can hold, as dump shows it. Channel
// names are cleaned to 15 bytes when a file is opened; satellite and favourite group
// names and the signature are read up to the end of their field when it has no NUL.
constexpr size_t kChannelNameChars = Channel::kNameSize - 1;
constexpr size_t kSatelliteNameChars = Satellite::kNameSize;
constexpr size_t kFavNameChars = SettingsBlock::kFavNameSize;
constexpr size_t kSignatureChars = SdxHeader::kSignatureSize;

bool ReadHeader(FieldReader& r, const Json& h, Database& db) {
    const std::string path = "header";
    if (!r.Object(h, path,
                  {"signature", "sat_count", "tp_count", "tv_count", "radio_count", "sat_size",
                   "tp_size", "ch_size", "settings_size", "extra_size", "fav_a", "fav_b",
                   "packed_length", "checksum"}))
        return false;
    SdxHeader& header = db.header;
    std::string signature = header.signature();
    if (!r.TextField(h, path, "signature", kSignatureChars, signature)) return false;
    std::string upper = signature;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper.find("SDX") == std::string::npos)
        return r.Fail("header.signature", "must contain \"SDX\", or the file will not open");
    header.set_whole_signature(signature);

    // Counts, packed_length and checksum are recomputed on save, but a value of the wrong
    // type is still a mistake in the text.
    const std::pair<const char*, uint64_t> ignored[] = {
        {"sat_count", 0x7FFF},   {"tp_count", 0x7FFF},    {"tv_count", 0x7FFF},
        {"radio_count", 0x7FFF}, {"packed_length", kU32}, {"checksum", kU32}};
    for (const auto& [key, max] : ignored) {
        uint64_t unused = 0;
        if (!r.Unsigned(h, path, key, max, unused)) return false;
    }

    // The record sizes are the tables' strides; the block sizes may be smaller.
    struct Size {
        const char* key;
        int low, high;
        void (SdxHeader::*set)(int);
    };
    const Size sizes[] = {
        {"sat_size", Satellite::kSize, Satellite::kSize, &SdxHeader::set_sat_size},
        {"tp_size", Transponder::kSize, Transponder::kSize, &SdxHeader::set_tp_size},
        {"ch_size", Channel::kSize, Channel::kSize, &SdxHeader::set_ch_size},
        {"settings_size", 0, SettingsBlock::kSize, &SdxHeader::set_settings_size},
        {"extra_size", 0, ExtraBlock::kSize, &SdxHeader::set_extra_size},
        {"fav_a", 0, FavouriteGroups::kSize, &SdxHeader::set_fav_a},
        {"fav_b", 0, FavouriteGroups::kSize, &SdxHeader::set_fav_b},
    };
    for (const Size& size : sizes) {
        const auto it = h.find(size.key);
        if (it == h.end()) continue;
        const std::string field = FieldReader::Join(path, size.key);
        uint64_t v = 0;
        if (!r.UnsignedValue(*it, field, kU16, v)) return false;
        if (v < uint64_t(size.low) || v > uint64_t(size.high)) {
            return r.Fail(field, size.low == size.high
                                     ? "must be " + std::to_string(size.low)
                                     : "expected an integer from " + std::to_string(size.low) +
                                           " to " + std::to_string(size.high));
        }
        (header.*size.set)(static_cast<int>(v));
    }
    if (header.fav_a() * header.fav_b() > static_cast<int>(FavouriteGroups::kSize))
        return r.Fail("header.fav_b",
                      "fav_a * fav_b must not exceed " + std::to_string(FavouriteGroups::kSize));
    return true;
}

bool ReadSatellites(FieldReader& r, const Json& list, Database& db) {
    if (!r.Array(list, "satellites", kMaxSatellites)) return false;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string path = FieldReader::Index("satellites", i);
        const Json& o = list[i];
        if (!r.Object(o, path, {"name", "lnb_low", "lnb_high", "angle", "sat_flags"})) return false;
        Satellite s;
        std::string name;
        uint16_t lnb_low = 0, lnb_high = 0, angle = 0;
        uint32_t flags = 0;
        if (!r.TextField(o, path, "name", kSatelliteNameChars, name) ||
            !r.Unsigned(o, path, "lnb_low", kU16, lnb_low) ||
            !r.Unsigned(o, path, "lnb_high", kU16, lnb_high) ||
            !r.Unsigned(o, path, "angle", kU16, angle) ||
            !r.Unsigned(o, path, "sat_flags", kU32, flags))
            return false;
        s.set_whole_name(name);
        s.set_lnb_low(lnb_low);
        s.set_lnb_high(lnb_high);
        s.set_angle(angle);
        s.set_sat_flags(flags);
        db.satellites[i] = s;
    }
    db.set_sat_count(static_cast<int>(list.size()));
    return true;
}

bool ReadTransponders(FieldReader& r, const Json& list, Database& db) {
    if (!r.Array(list, "transponders", kMaxTransponders)) return false;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string path = FieldReader::Index("transponders", i);
        const Json& o = list[i];
        if (!r.Object(o, path, {"frequency", "symbol_rate", "tp_flags", "satellite", "tp_id"}))
            return false;
        Transponder t;
        uint16_t frequency = 0, symbol_rate = 0, tp_id = 0;
        uint8_t flags = 0, satellite = 0;
        if (!r.Unsigned(o, path, "frequency", kU16, frequency) ||
            !r.Unsigned(o, path, "symbol_rate", kU16, symbol_rate) ||
            !r.Unsigned(o, path, "tp_flags", kU8, flags) ||
            !r.Unsigned(o, path, "satellite", kU8, satellite) ||
            !r.Unsigned(o, path, "tp_id", kU16, tp_id))
            return false;
        t.set_frequency(frequency);
        t.set_symbol_rate(symbol_rate);
        t.set_tp_flags(flags);
        t.set_satellite(satellite);
        t.set_tp_id(tp_id);
        db.transponders[i] = t;
    }
    db.set_tp_count(static_cast<int>(list.size()));
    return true;
}

bool ReadAudio(FieldReader& r, const Json& list, const std::string& path, Channel& ch) {
    if (!r.Array(list, path, Channel::kPackedAudioMax)) return false;
    AudioList entries;
    for (size_t k = 0; k < list.size(); ++k) {
        const std::string entry_path = FieldReader::Index(path, k);
        const Json& e = list[k];
        if (!e.is_array() || e.size() != 2) return r.Fail(entry_path, "expected [PID, LANGUAGE]");
        uint64_t pid = 0, language = 0;
        if (!r.UnsignedValue(e[0], FieldReader::Index(entry_path, 0), kU16, pid) ||
            !r.UnsignedValue(e[1], FieldReader::Index(entry_path, 1), kU8, language))
            return false;
        entries.entries[k] = {static_cast<int>(pid), static_cast<int>(language)};
    }
    entries.count = static_cast<int>(list.size());
    entries.default_index = static_cast<int>(ch.default_audio());
    if (auto problem = AudioListProblem(entries)) return r.Fail(path, *problem);
    // ch_flags from the JSON already holds default_audio: keep it exactly as given.
    const uint32_t default_audio = ch.default_audio();
    WriteAudioEntries(entries, ch);
    ch.set_default_audio(default_audio);
    return true;
}

bool ReadChannels(FieldReader& r, const Json& list, const char* table_name, bool radio,
                  Database& db) {
    if (!r.Array(list, table_name, kMaxChannels)) return false;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string path = FieldReader::Index(table_name, i);
        const Json& o = list[i];
        if (!r.Object(o, path,
                      {"name", "pcr_pid", "video_pid", "ttx_pid", "service_number", "tp_id",
                       "ch_flags", "audio"}))
            return false;
        Channel ch;
        std::string name;
        uint16_t pcr = 0, video = 0, ttx = 0, service = 0, tp_id = 0;
        uint32_t flags = 0;
        if (!r.TextField(o, path, "name", kChannelNameChars, name) ||
            !r.Unsigned(o, path, "pcr_pid", kU16, pcr) ||
            !r.Unsigned(o, path, "video_pid", kU16, video) ||
            !r.Unsigned(o, path, "ttx_pid", kU16, ttx) ||
            !r.Unsigned(o, path, "service_number", kU16, service) ||
            !r.Unsigned(o, path, "tp_id", kU16, tp_id) ||
            !r.Unsigned(o, path, "ch_flags", kU32, flags))
            return false;
        ch.set_name(name);
        ch.set_pcr_pid(pcr);
        ch.set_video_pid(video);
        ch.set_ttx_pid(ttx);
        ch.set_service_number(service);
        ch.set_tp_id(tp_id);
        // audio_count follows the audio list, whatever ch_flags says.
        ch.set_ch_flags(flags);
        const auto audio = o.find("audio");
        if (!ReadAudio(r, audio == o.end() ? Json::array() : *audio,
                       FieldReader::Join(path, "audio"), ch))
            return false;
        db.channels(radio)[i] = ch;
    }
    db.set_channel_count(radio, static_cast<int>(list.size()));
    return true;
}

bool ReadSettings(FieldReader& r, const Json& o, Database& db) {
    const std::string path = "settings";
    if (!r.Object(
            o, path,
            {"menu_color", "transparency", "rf_channel", "rf_system", "menu_language", "password",
             "lock_flags", "time_offset", "audio_language", "tv_flags", "fav_names"}))
        return false;
    SettingsBlock& s = db.settings;
    uint8_t menu_color = s.menu_color(), transparency = s.transparency(),
            rf_channel = s.rf_channel(), rf_system = s.rf_system(),
            menu_language = s.menu_language(), lock_flags = s.lock_flags(),
            audio_language = s.audio_language();
    int8_t time_offset = s.time_offset();
    uint32_t tv_flags = s.tv_flags();
    std::string password = s.password().substr(0, s.password().find('\0'));
    if (!r.Unsigned(o, path, "menu_color", kU8, menu_color) ||
        !r.Unsigned(o, path, "transparency", kU8, transparency) ||
        !r.Unsigned(o, path, "rf_channel", kU8, rf_channel) ||
        !r.Unsigned(o, path, "rf_system", kU8, rf_system) ||
        !r.Unsigned(o, path, "menu_language", kU8, menu_language) ||
        !r.TextField(o, path, "password", 4, password) ||
        !r.Unsigned(o, path, "lock_flags", kU8, lock_flags) ||
        !r.Signed8(o, path, "time_offset", time_offset) ||
        !r.Unsigned(o, path, "audio_language", kU8, audio_language) ||
        !r.Unsigned(o, path, "tv_flags", kU32, tv_flags))
        return false;
    std::vector<std::string> names;
    if (const auto it = o.find("fav_names"); it != o.end()) {
        const std::string names_path = FieldReader::Join(path, "fav_names");
        if (!it->is_array() || it->size() != FavouriteGroups::kGroups)
            return r.Fail(names_path, "expected an array of 8 names");
        for (size_t g = 0; g < it->size(); ++g) {
            std::string name;
            if (!r.Text((*it)[g], FieldReader::Index(names_path, g), kFavNameChars, name))
                return false;
            names.push_back(name);
        }
    }
    s.set_menu_color(menu_color);
    s.set_transparency(transparency);
    s.set_rf_channel(rf_channel);
    s.set_rf_system(rf_system);
    s.set_menu_language(menu_language);
    s.set_password(password);
    s.set_lock_flags(lock_flags);
    s.set_time_offset(time_offset);
    s.set_audio_language(audio_language);
    s.set_tv_flags(tv_flags);
    for (size_t g = 0; g < names.size(); ++g) s.set_whole_fav_name(static_cast<int>(g), names[g]);
    return true;
}

bool ReadFavouriteGroups(FieldReader& r, const Json& list, Database& db) {
    const std::string path = "favourite_groups";
    if (!list.is_array() || list.size() != FavouriteGroups::kGroups)
        return r.Fail(path, "expected an array of 8 groups");
    db.favourites.bytes.fill(0);
    for (size_t g = 0; g < list.size(); ++g) {
        const std::string group_path = FieldReader::Index(path, g);
        if (!r.Object(list[g], group_path, {"tv", "radio"})) return false;
        // TV keys first, as a rebuild would enter them; both lists share 200 slots.
        size_t total = 0;
        for (bool radio : {false, true}) {
            const char* key = radio ? "radio" : "tv";
            const auto it = list[g].find(key);
            if (it == list[g].end()) continue;
            const std::string list_path = FieldReader::Join(group_path, key);
            if (!r.Array(*it, list_path, FavouriteGroups::kSlots)) return false;
            total += it->size();
            if (total > FavouriteGroups::kSlots)
                return r.Fail(list_path, "a group holds at most 200 keys, TV and radio together");
            for (size_t i = 0; i < it->size(); ++i) {
                uint64_t channel_key = 0;
                if (!r.UnsignedValue((*it)[i], FieldReader::Index(list_path, i), kU32, channel_key))
                    return false;
                AddFavouriteKey(db, static_cast<int>(g), static_cast<uint32_t>(channel_key), radio);
            }
        }
    }
    return true;
}

}  // namespace

std::optional<std::string> JsonToDatabase(const Json& doc, Database& db) {
    FieldReader r;
    if (!r.Object(doc, "",
                  {"header", "satellites", "transponders", "tv", "radio", "settings",
                   "favourite_groups"})) {
        if (!doc.is_object()) return "the JSON text is not an object";
        return r.error;
    }
    ResetToNewDatabase(db);
    // The extra block is not in the schema; New leaves it alone, but a load must not
    // depend on what the tables held before.
    db.extra.bytes.fill(0);
    const auto part = [&doc](const char* key) -> const Json* {
        const auto it = doc.find(key);
        return it == doc.end() ? nullptr : &*it;
    };
    if (const Json* h = part("header"); h && !ReadHeader(r, *h, db)) return r.error;
    if (const Json* s = part("satellites"); s && !ReadSatellites(r, *s, db)) return r.error;
    if (const Json* t = part("transponders"); t && !ReadTransponders(r, *t, db)) return r.error;
    if (const Json* tv = part("tv"); tv && !ReadChannels(r, *tv, "tv", false, db)) return r.error;
    if (const Json* radio = part("radio"); radio && !ReadChannels(r, *radio, "radio", true, db))
        return r.error;
    if (const Json* s = part("settings"); s && !ReadSettings(r, *s, db)) return r.error;
    if (const Json* f = part("favourite_groups")) {
        if (!ReadFavouriteGroups(r, *f, db)) return r.error;
    } else {
        RebuildFavouriteGroups(db);
    }
    return std::nullopt;
}

}  // namespace velmora::cli
