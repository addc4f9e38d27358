#include "cli/DiffJson.h"

#include <functional>
#include <memory>

namespace velmora::cli {
namespace {

// A record's fields as the dump writes them, by position in its own table.
using RecordJson = std::function<Json(bool b_side, int index)>;

// Each changed field with its value in A and in B: {"name": ["Das Erste", "Das Erste HD"]}.
Json ValuesOf(const ChangedRecord& c, const RecordJson& record) {
    const Json a = record(false, c.a);
    const Json b = record(true, c.b);
    Json values = Json::object();
    for (const std::string& field : c.fields) {
        values[field] = Json::array(
            {a.contains(field) ? a[field] : Json(), b.contains(field) ? b[field] : Json()});
    }
    return values;
}

Json SectionToJson(const SectionDiff& s, const RecordJson& record) {
    Json changed = Json::array();
    for (const ChangedRecord& c : s.changed) {
        changed.push_back(
            Json{{"a", c.a}, {"b", c.b}, {"fields", c.fields}, {"values", ValuesOf(c, record)}});
    }
    return Json{{"only_a", s.only_a},
                {"only_b", s.only_b},
                {"changed", std::move(changed)},
                {"same_order", s.same_order}};
}

// A channel's record with its transponder's position (as `dump` lists the transponders,
// null when its tp_id names none), which is what a "transponder" difference compares.
RecordJson ChannelRecords(const Database& a, const Database& b, bool radio) {
    auto tp_a = std::make_shared<std::vector<int>>(TransponderIndexById(a));
    auto tp_b = std::make_shared<std::vector<int>>(TransponderIndexById(b));
    return [&a, &b, radio, tp_a, tp_b](bool b_side, int index) {
        const Database& db = b_side ? b : a;
        const Channel& ch = db.channels(radio)[index];
        Json j = ChannelToJson(ch);
        const std::vector<int>& tp_of = b_side ? *tp_b : *tp_a;
        const int id = ch.tp_id();
        j[kFieldTransponder] =
            id < static_cast<int>(tp_of.size()) && tp_of[id] >= 0 ? Json(tp_of[id]) : Json();
        return j;
    };
}

}  // namespace

Json DiffToJson(const DatabaseDiff& diff, const Database& a, const Database& b) {
    const RecordJson satellites = [&](bool b_side, int i) {
        return SatelliteToJson((b_side ? b : a).satellites[i]);
    };
    const RecordJson transponders = [&](bool b_side, int i) {
        return TransponderToJson((b_side ? b : a).transponders[i]);
    };
    return Json{{"satellites", SectionToJson(diff.satellites, satellites)},
                {"transponders", SectionToJson(diff.transponders, transponders)},
                {"tv", SectionToJson(diff.tv, ChannelRecords(a, b, false))},
                {"radio", SectionToJson(diff.radio, ChannelRecords(a, b, true))},
                {"settings", Json{{"changed", diff.settings_changed}}},
                {"favourite_names", Json{{"changed", diff.favourite_names_changed}}}};
}

}  // namespace velmora::cli
