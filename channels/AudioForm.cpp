#include "channels/AudioForm.h"

#include "database/NameLists.h"

namespace velmora {

std::optional<FieldRefusal> AudioForm::Accept() {
    int pid = entry.pid;
    if (auto failure = CheckIntegerField(kIdAudioPid, pid_text, pid, kMinPid, kMaxPid))
        return failure;
    entry.pid = pid;
    const bool listed = language >= 0 && language < int(AudioLanguageNames.size());
    entry.language = listed ? language : 0;
    return std::nullopt;
}

}  // namespace velmora
