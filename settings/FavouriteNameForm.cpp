#include "settings/FavouriteNameForm.h"

namespace velmora {

FavouriteNameForm FavouriteNameForm::Load(const SettingsBlock& settings, int g) {
    return {settings.fav_name(g)};
}

std::optional<FieldRefusal> FavouriteNameForm::Validate() const {
    if (name.size() > static_cast<size_t>(kMaxChars)) {
        return FieldRefusal{kNameControl, TooLongMessage(kMaxChars)};
    }
    return std::nullopt;
}

void FavouriteNameForm::ApplyTo(SettingsBlock& settings, int g) const {
    settings.set_fav_name(g, FilterNameBytes(name));
}

}  // namespace velmora
