#include "cli/FindingsJson.h"

namespace velmora::cli {

Json FindingsToJson(const std::vector<Finding>& findings) {
    Json list = Json::array();
    for (const Finding& f : findings) {
        list.push_back({{"kind", FindingKindName(f.kind)},
                        {"table", FindingTableName(f.table)},
                        {"index", f.index},
                        {"others", f.others},
                        {"text", f.text}});
    }
    const auto counts = CountFindings(findings);
    Json by_kind = Json::object();
    for (FindingKind kind : kAllFindingKinds)
        by_kind[std::string(FindingKindName(kind))] = counts[static_cast<size_t>(kind)];
    return {{"findings", std::move(list)}, {"counts", std::move(by_kind)}};
}

}  // namespace velmora::cli
