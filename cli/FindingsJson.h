#pragma once
// The health check's findings as `velmora-cli check` prints them:
// {"findings": [{"kind", "table", "index", "others", "text"}, ...], "counts": {kind: n}}.

#include <vector>

#include "cli/JsonSchema.h"
#include "health/Findings.h"

namespace velmora::cli {

// `counts` holds every kind, zeros included; texts are carried as UTF-8.
Json FindingsToJson(const std::vector<Finding>& findings);

}  // namespace velmora::cli
