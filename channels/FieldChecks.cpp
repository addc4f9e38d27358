#include "channels/FieldChecks.h"

namespace velmora {

std::optional<int> ParseInteger(std::string_view text) {
    const std::optional<long long> parsed = ParseIntegerField(text);
    if (!parsed) return std::nullopt;
    return static_cast<int>(*parsed);
}

std::optional<FieldRefusal> CheckIntegerField(std::string_view text, int control, int low, int high,
                                              int& value) {
    long long parsed = 0;
    if (auto refusal = CheckIntegerField(control, text, low, high, &parsed)) return refusal;
    value = static_cast<int>(parsed);
    return std::nullopt;
}

std::optional<FieldRefusal> CheckIntegerField(std::string_view text, int control, int& value) {
    const std::optional<int> parsed = ParseInteger(text);
    if (!parsed) return FieldRefusal{control, std::string(kNotAnIntegerMessage)};
    value = *parsed;
    return std::nullopt;
}

}  // namespace velmora
