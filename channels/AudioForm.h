#pragma once
// The "Audio Parameters" dialog's fields: one audio PID, its language and whether it is
// the channel's default entry.

#include <optional>
#include <string>

#include "channels/FieldChecks.h"
#include "database/Records.h"

namespace velmora {

inline constexpr int kAudioDialogId = 137;
inline constexpr int kIdAudioPid = 1056;
inline constexpr int kIdAudioLanguage = 1057;
inline constexpr int kIdAudioDefault = 1058;

inline constexpr int kMinPid = 1;
inline constexpr int kMaxPid = 8191;

struct AudioForm {
    std::string pid_text;     // the "Audio PID" edit
    int language = 0;         // row of the language drop-down, -1 when none is selected
    bool is_default = false;  // the "Default" box
    AudioEntry entry;         // what OK confirmed

    AudioForm() = default;
    AudioForm(AudioEntry e, bool default_flag)
        : pid_text(std::to_string(e.pid)),
          language(e.language),
          is_default(default_flag),
          entry(e) {}

    // The PID must be an integer from 1 to 8191.
    std::optional<FieldRefusal> Validate() const;
    // Stores the PID and the language. A drop-down with no selection stores "Undefined",
    // so the entry always ends with one of the 62 languages.
    void ApplyTo(AudioEntry& target) const;
};

}  // namespace velmora
