#pragma once
// A channel's audio entries as the channel dialog edits them, and their two stored
// forms in the record's audio area: the plain layout (up to 10 entries) and the packed
// layout (base PID, three exception PIDs, a mask and up to 20 language bytes).

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "database/Interaction.h"
#include "database/Records.h"

namespace velmora {

class ChannelDialogs;

// Every count the 5-bit audio_count field can hold, so that no entry of a stored record
// is dropped by reading it.
inline constexpr int kAudioSlots = 31;
// Add stops here; longer lists come only from records read from a file.
inline constexpr int kAudioAddLimit = 10;
inline constexpr int kPackedLanguageBytes = 20;
inline constexpr int kPackedExceptionSlots = 3;

struct AudioList {
    std::array<AudioEntry, kAudioSlots> entries{};
    int count = 0;
    int default_index = 0;
};

// The list stored in `ch`: default index from default_audio, then audio_count entries
// read by the plain or packed rule.
AudioList ReadAudioEntries(const Channel& ch);

// Why `list` cannot be stored without losing something, or nullopt when it can. Two lists
// have no stored form: more than 10 entries with more than three PIDs off the base PID's
// sequence, and more than 20 entries where an entry after the 20th has a language (the
// packed layout has no byte for it).
std::optional<std::string> AudioListProblem(const AudioList& list);

// Stores `list` in `ch`: audio_count, default_audio (0 when the default is not below the
// count) and the area in the layout the count selects. Bytes of the area the layout does
// not use keep their values. Returns false, and changes nothing, when AudioListProblem
// reports the list.
bool WriteAudioEntries(const AudioList& list, Channel& ch);

// The list box rows: "%d  %d  %s" with position, PID and language, " Default" appended to
// the default entry.
std::vector<std::string> AudioRows(const AudioList& list);

// "Add": refuses with "Audio Languages are full" at 10 entries or more, otherwise asks
// the audio dialog (PID 1, "Undefined", not default) and appends what it confirms.
// Returns 1 when an entry was added, else 0.
int AddAudioEntry(AudioList& list, ChannelDialogs& dialogs, Prompter& prompter);
// "Edit" on list row `row` (-1 for none: "Please select item first"). A confirmed
// default flag makes the entry the default; clearing it never moves the default.
int EditAudioEntry(AudioList& list, int row, ChannelDialogs& dialogs, Prompter& prompter);
// "Del" on list row `row` (-1 for none: "Please select item first"). The default index
// stays where it was unless it falls off the end, when it becomes 0.
int DeleteAudioEntry(AudioList& list, int row, Prompter& prompter);

}  // namespace velmora
