#pragma once
// The differences of two databases as `velmora-cli diff` prints them:
// {"satellites", "transponders", "tv", "radio": SECTION, "settings": {"changed": [...]},
//  "favourite_names": {"changed": [...]}}, with
// SECTION = {"only_a": [I...], "only_b": [J...],
//            "changed": [{"a": I, "b": J, "fields": [FIELD...], "values": {FIELD: [A, B]...}}...],
//            "same_order": bool}.
// Each value is as `dump` writes it; a channel's "transponder" is its transponder's
// position in its own file (null when its tp_id names none).

#include "cli/JsonSchema.h"
#include "compare/DatabaseDiff.h"

namespace velmora::cli {

Json DiffToJson(const DatabaseDiff& diff, const Database& a, const Database& b);

}  // namespace velmora::cli
