#pragma once
// The field of the "Rename FAV group name" dialog: one group name, as bytes.

#include <optional>
#include <string>

#include "database/Records.h"
#include "database/FieldChecks.h"

namespace velmora {

struct FavouriteNameForm {
    static constexpr int kTemplateId = 142;
    static constexpr int kNameControl = 1003;  // "FAV Group Name"
    static constexpr int kMaxChars = 15;

    std::string name;  // the edit's text, one byte per character

    // The stored name of group g (0..7).
    static FavouriteNameForm Load(const SettingsBlock& settings, int g);

    // Refuses a name longer than 15 characters.
    std::optional<FieldRefusal> Validate() const;

    // Stores the name into group g's slot through the name byte filter, NUL-terminated.
    // A name that is too long is cut at 15 bytes, so the slot always keeps its NUL.
    void ApplyTo(SettingsBlock& settings, int g) const;
};

}  // namespace velmora
