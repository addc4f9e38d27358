#include "channels/MoveForm.h"

namespace velmora {

std::optional<FieldRefusal> MoveForm::Accept() {
    return CheckIntegerField(to_text, kIdMoveTo, to);
}

}  // namespace velmora
