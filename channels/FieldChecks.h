#pragma once
// The checks a dialog runs on its text fields when OK is pressed, and what a dialog's OK
// tells its window: stay open (with the field to focus), end as OK or end as Cancel.

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kNotAnIntegerMessage = "Please enter an integer.";

// "Please enter an integer between %1 and %2."
std::string IntegerRangeMessage(int low, int high);
// "Please enter no more than %1 characters."
std::string TooLongMessage(int limit);

// A decimal integer with optional sign and surrounding blanks, or nullopt for anything
// else (empty text, other characters, a value that does not fit an int).
std::optional<int> ParseInteger(std::string_view text);

// A refused field: the control to focus and the message to show once.
struct FieldFailure {
    int control = 0;
    std::string message;
};

// Parses `text` into `value` and checks it against low..high; on failure `value` is
// left as it was.
std::optional<FieldFailure> CheckIntegerField(std::string_view text, int control, int low, int high,
                                              int& value);
// Parses `text` as any integer (no range).
std::optional<FieldFailure> CheckIntegerField(std::string_view text, int control, int& value);

enum class DialogEnd { StayOpen, Ok, Cancel };

// What OK decided; `focus` is the control id to focus when the dialog stays open.
struct AcceptResult {
    DialogEnd end = DialogEnd::Ok;
    int focus = 0;
};

}  // namespace velmora
