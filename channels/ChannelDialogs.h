#pragma once
// The modal dialogs the channel commands open. The editor runs the Qt dialogs; tests
// answer from a script. Each call returns true when the dialog ended with OK, and the
// form then holds what the user confirmed.

namespace velmora {

class ChannelForm;
struct AudioForm;
struct MoveForm;

class ChannelDialogs {
public:
    virtual ~ChannelDialogs() = default;
    // "Channel Parameters" on a working copy of one channel.
    virtual bool RunChannel(ChannelForm& form) = 0;
    // "Audio Parameters" for one audio entry.
    virtual bool RunAudio(AudioForm& form) = 0;
    // "Move": a fixed From and an editable To.
    virtual bool RunMove(MoveForm& form) = 0;
};

}  // namespace velmora
