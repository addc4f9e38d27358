#pragma once
// The "Move" dialog's fields: a read-only From position and an editable To position,
// both 1-based. It checks only that To is an integer; the caller checks the range.

#include <optional>
#include <string>

#include "channels/FieldChecks.h"

namespace velmora {

inline constexpr int kMoveDialogId = 138;
inline constexpr int kIdMoveFrom = 1000;
inline constexpr int kIdMoveTo = 1001;

struct MoveForm {
    int from = 0;
    int to = 0;
    std::string to_text;  // what the To edit holds

    MoveForm() = default;
    MoveForm(int from_value, int to_value)
        : from(from_value), to(to_value), to_text(std::to_string(to_value)) {}

    std::string from_text() const { return std::to_string(from); }
    // To must hold an integer; when refused, `to` keeps its value and the dialog stays open.
    std::optional<FieldRefusal> Validate() const;
    void ApplyTo(int& target) const;
};

}  // namespace velmora
