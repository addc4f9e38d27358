#pragma once
// The differences of two databases as `velmora-cli diff` prints them:
// {"satellites", "transponders", "tv", "radio": SECTION, "settings": {"changed": [...]},
//  "favourite_names": {"changed": [...]}}, with
// SECTION = {"only_a": [I...], "only_b": [J...],
//            "changed": [{"a": I, "b": J, "fields": [FIELD...]}...], "same_order": bool}.

#include "cli/JsonSchema.h"
#include "compare/DatabaseDiff.h"

namespace velmora::cli {

Json DiffToJson(const DatabaseDiff& diff);

}  // namespace velmora::cli
