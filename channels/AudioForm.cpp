#include "channels/AudioForm.h"

#include "database/NameLists.h"

namespace velmora {

std::optional<FieldRefusal> AudioForm::Validate() const {
    int pid = 0;
    return CheckIntegerField(kIdAudioPid, pid_text, pid, kMinPid, kMaxPid);
}

void AudioForm::ApplyTo(AudioEntry& target) const {
    target.pid = static_cast<int>(ParseIntegerField(pid_text).value_or(target.pid));
    const bool listed = language >= 0 && language < int(AudioLanguageNames.size());
    target.language = listed ? language : 0;
}

}  // namespace velmora
