#include "channels/FieldChecks.h"

namespace velmora {

std::optional<int> ParseInteger(std::string_view text) {
    const std::optional<long long> parsed = ParseIntegerField(text);
    if (!parsed) return std::nullopt;
    return static_cast<int>(*parsed);
}

}  // namespace velmora
