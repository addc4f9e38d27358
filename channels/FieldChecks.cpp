#include "channels/FieldChecks.h"

#include <charconv>

namespace velmora {

std::string IntegerRangeMessage(int low, int high) {
    return "Please enter an integer between " + std::to_string(low) + " and " +
           std::to_string(high) + ".";
}

std::string TooLongMessage(int limit) {
    return "Please enter no more than " + std::to_string(limit) + " characters.";
}

std::optional<int> ParseInteger(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<FieldFailure> CheckIntegerField(std::string_view text, int control, int low, int high,
                                              int& value) {
    const std::optional<int> parsed = ParseInteger(text);
    if (!parsed) return FieldFailure{control, std::string(kNotAnIntegerMessage)};
    if (*parsed < low || *parsed > high)
        return FieldFailure{control, IntegerRangeMessage(low, high)};
    value = *parsed;
    return std::nullopt;
}

std::optional<FieldFailure> CheckIntegerField(std::string_view text, int control, int& value) {
    const std::optional<int> parsed = ParseInteger(text);
    if (!parsed) return FieldFailure{control, std::string(kNotAnIntegerMessage)};
    value = *parsed;
    return std::nullopt;
}

}  // namespace velmora
