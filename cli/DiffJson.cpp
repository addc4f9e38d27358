#include "cli/DiffJson.h"

namespace velmora::cli {
namespace {

Json SectionToJson(const SectionDiff& s) {
    Json changed = Json::array();
    for (const ChangedRecord& c : s.changed)
        changed.push_back(Json{{"a", c.a}, {"b", c.b}, {"fields", c.fields}});
    return Json{{"only_a", s.only_a},
                {"only_b", s.only_b},
                {"changed", std::move(changed)},
                {"same_order", s.same_order}};
}

}  // namespace

Json DiffToJson(const DatabaseDiff& diff) {
    return Json{{"satellites", SectionToJson(diff.satellites)},
                {"transponders", SectionToJson(diff.transponders)},
                {"tv", SectionToJson(diff.tv)},
                {"radio", SectionToJson(diff.radio)},
                {"settings", Json{{"changed", diff.settings_changed}}},
                {"favourite_names", Json{{"changed", diff.favourite_names_changed}}}};
}

}  // namespace velmora::cli
