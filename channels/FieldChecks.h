#pragma once
// The channel dialogs' integer fields, and what a dialog's OK tells its window: stay
// open (with the field to focus), end as OK or end as Cancel.

#include <optional>
#include <string_view>

#include "database/FieldChecks.h"

namespace velmora {

// A decimal integer with optional sign and surrounding blanks that fits an int.
std::optional<int> ParseInteger(std::string_view text);

enum class DialogEnd { StayOpen, Ok, Cancel };

// What OK decided; `focus` is the control id to focus when the dialog stays open.
struct AcceptResult {
    DialogEnd end = DialogEnd::Ok;
    int focus = 0;
};

}  // namespace velmora
