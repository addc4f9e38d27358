#include "channels/MoveForm.h"

namespace velmora {

std::optional<FieldFailure> MoveForm::Accept() {
    return CheckIntegerField(to_text, kIdMoveTo, to);
}

}  // namespace velmora
