#include "channels/MoveForm.h"

namespace velmora {

std::optional<FieldRefusal> MoveForm::Accept() {
    return CheckIntegerField(kIdMoveTo, to_text, to);
}

}  // namespace velmora
