#include "channels/MoveForm.h"

namespace velmora {

std::optional<FieldRefusal> MoveForm::Validate() const {
    int value = 0;
    return CheckIntegerField(kIdMoveTo, to_text, value);
}

void MoveForm::ApplyTo(int& target) const {
    target = static_cast<int>(ParseIntegerField(to_text).value_or(target));
}

}  // namespace velmora
