#pragma once
// The checks a dialog runs on its edit fields when OK is pressed, with their fixed
// messages. A refused field is reported as a value; the dialog shows the message once,
// gives the field the focus and stays open.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kNotAnIntegerMessage = "Please enter an integer.";
inline constexpr std::string_view kNotANumberMessage = "Please enter a number.";

// A field that OK refused: the control id to focus and the message to show.
struct FieldRefusal {
    int control = 0;
    std::string message;
    bool operator==(const FieldRefusal&) const = default;
};

// "Please enter an integer between lo and hi."
std::string IntegerRangeMessage(long long lo, long long hi);
// "Please enter a number between lo and hi."
std::string NumberRangeMessage(double lo, double hi);
// "Please enter no more than n characters."
std::string TooLongMessage(int n);

// A decimal integer with optional sign, surrounded by optional blanks; nullopt for
// anything else, including values that do not fit in 32 bits.
std::optional<long long> ParseIntegerField(std::string_view text);
// A finite decimal number ("19.2", "-3", "1e2"), surrounded by optional blanks; nullopt
// otherwise. Independent of the process locale: the decimal mark is always '.'.
std::optional<double> ParseNumberField(std::string_view text);
// `value` with up to `digits` significant digits, as printf's "%.*g" in the C locale.
std::string FormatNumberField(double value, int digits = 15);

// The one integer-field check: the integer in `text` within lo..hi goes to `value`;
// otherwise the refusal for `control` ("Please enter an integer." for no integer, the
// range message outside lo..hi) and `value` is left as it was. Without a range any 32-bit
// integer passes.
std::optional<FieldRefusal> CheckIntegerField(int control, std::string_view text, int& value,
                                              int lo = INT32_MIN, int hi = INT32_MAX);

}  // namespace velmora
