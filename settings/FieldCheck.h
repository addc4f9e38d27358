#pragma once
// The outcome of a dialog's field checks at OK: which control failed and what to tell
// the user. The dialog shows the message once, focuses the control and stays open.

#include <string>

namespace velmora {

struct FieldCheck {
    int control = 0;  // control id of the failing field
    std::string message;
};

// "Please enter no more than %1 characters." with %1 = `limit`.
inline std::string NoMoreThanMessage(int limit) {
    return "Please enter no more than " + std::to_string(limit) + " characters.";
}

}  // namespace velmora
