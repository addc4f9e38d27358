#pragma once
// The checks a dialog runs on its edit fields when OK is pressed, with their fixed
// messages, and what OK does with a form. A refused field is reported as a value; the
// dialog shows the message once, gives the field the focus and stays open.
//
// Every form speaks the same words: Load (or a constructor) fills the fields from the
// records, Validate returns the first refusal without showing it, ApplyTo stores the
// fields in a record once Validate has passed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "database/Interaction.h"
#include "text/Translate.h"

namespace velmora {

// In English; refusals carry them through Translate("database", ...).
inline constexpr std::string_view kNotAnIntegerMessage =
    VT_TR_NOOP("database", "Please enter an integer.");
inline constexpr std::string_view kNotANumberMessage =
    VT_TR_NOOP("database", "Please enter a number.");

// A field that OK refused: the control id to focus and the message to show.
struct FieldRefusal {
    int control = 0;
    std::string message;
    Icon icon = Icon::None;
    std::string_view caption = kAppTitle;  // English, translated ("database") when shown
    bool operator==(const FieldRefusal&) const = default;
};

enum class DialogEnd { StayOpen, Ok };

// What OK decided; `focus` is the control id to focus when the dialog stays open.
struct AcceptResult {
    DialogEnd end = DialogEnd::Ok;
    int focus = 0;
};

// OK without the user: Validate's refusal, or nothing once ApplyTo has stored the fields
// in `target`.
template <typename Form, typename Target>
std::optional<FieldRefusal> ValidateAndApply(const Form& form, Target& target) {
    if (auto refusal = form.Validate()) return refusal;
    form.ApplyTo(target);
    return std::nullopt;
}

// OK pressed: a refusal is told once (with its icon and caption) and the dialog stays
// open on the refused control; otherwise the fields go into `target` and the dialog ends.
template <typename Form, typename Target>
AcceptResult PressOk(const Form& form, Target& target, Prompter& prompter) {
    if (auto refusal = ValidateAndApply(form, target)) {
        prompter.Tell(refusal->message, refusal->icon,
                      Translate("database", std::string(refusal->caption).c_str()));
        return {DialogEnd::StayOpen, refusal->control};
    }
    return {DialogEnd::Ok, 0};
}

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
