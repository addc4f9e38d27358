#include "database/FieldChecks.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace velmora {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string IntegerRangeMessage(long long lo, long long hi) {
    return Fill(VT_TR("database", "Please enter an integer between %1 and %2."),
                {std::to_string(lo), std::to_string(hi)});
}

std::string NumberRangeMessage(double lo, double hi) {
    return Fill(VT_TR("database", "Please enter a number between %1 and %2."),
                {FormatNumberField(lo), FormatNumberField(hi)});
}

std::string TooLongMessage(int n) {
    return Fill(VT_TR("database", "Please enter no more than %1 characters."), {std::to_string(n)});
}

std::optional<long long> ParseIntegerField(std::string_view text) {
    text = Trim(text);
    // from_chars takes a '-' but no '+'.
    const bool signed_plus = !text.empty() && text.front() == '+';
    if (signed_plus) text.remove_prefix(1);
    if (text.empty() || text.front() == '+' || (signed_plus && text.front() == '-'))
        return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return value;
}

std::optional<double> ParseNumberField(std::string_view text) {
    text = Trim(text);
    const bool signed_plus = !text.empty() && text.front() == '+';
    if (signed_plus) text.remove_prefix(1);
    if (text.empty() || text.front() == '+' || (signed_plus && text.front() == '-'))
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string FormatNumberField(double value, int digits) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    if (ec != std::errc()) return "0";
    return std::string(buffer, end);
}

std::optional<FieldRefusal> CheckIntegerField(int control, std::string_view text, int& value,
                                              int lo, int hi) {
    const auto parsed = ParseIntegerField(text);
    if (!parsed) return FieldRefusal{control, Translate("database", kNotAnIntegerMessage.data())};
    if (*parsed < lo || *parsed > hi) return FieldRefusal{control, IntegerRangeMessage(lo, hi)};
    value = static_cast<int>(*parsed);
    return std::nullopt;
}

}  // namespace velmora
