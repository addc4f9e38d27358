#pragma once
// Copy to this database: records that only the other database holds are copied into
// this one, with what they need to stand on their own, and fields of changed records and
// settings are taken from the other one. All or nothing: a copy that would not fit
// changes nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"
#include "database/Interaction.h"
#include "text/Translate.h"

namespace velmora {

// Texts of the copy, translated where they are shown ("compare").
inline constexpr std::string_view kCopySatelliteChannelsQuestion =
    VT_TR_NOOP("compare", "Copy the channels of the copied satellites too?");
inline constexpr std::string_view kServiceNumberTakenMessage = VT_TR_NOOP(
    "compare",
    "A channel's service number is taken on its transponder here; it was left as it is.");

enum class CompareSection { Satellites, Transponders, Tv, Radio, Settings };
inline constexpr int kCompareSectionCount = 5;

// Fields of a record (or of the settings) that differ, to take from the other database:
// `here` and `there` are the paired positions (the group for a favourite group's name,
// -1 for the other settings); `fields` are the diff's field names.
struct FieldCopy {
    CompareSection section = CompareSection::Settings;
    int here = -1;
    int there = -1;
    std::vector<std::string> fields;
};

// Whether the copy can take `field` of a changed record or setting: a record's parent
// ("satellite", "transponder") is not taken, the record is moved in the main window.
bool IsCopyableField(std::string_view field);

// Positions in the other database ("there") of the records chosen for copying. Records
// that are paired with one here are already here and are passed over.
struct CopySelection {
    std::vector<int> satellites;
    std::vector<int> transponders;
    std::vector<int> tv;
    std::vector<int> radio;
    std::vector<FieldCopy> fields;

    bool empty() const {
        return satellites.empty() && transponders.empty() && tv.empty() && radio.empty() &&
               fields.empty();
    }
};

struct CopyCounts {
    int satellites = 0;
    int transponders = 0;
    int tv = 0;
    int radio = 0;
    int fields = 0;  // fields taken from there

    int total() const { return satellites + transponders + tv + radio + fields; }
};

// Copies the chosen records from `there` into `here`:
// - a satellite with all its transponders;
// - a transponder onto the satellite here that is paired with its own (a satellite only
//   there is copied along, without its other transponders);
// - a channel into the same table with its audio, flags and favourite marks, its key
//   entered in its groups; its transponder copied along when it is only there.
// A transponder copied gets the lowest free tp_id; one that exists here already on the
// same satellite with the same frequency, symbol rate and polarisation is used instead.
// A channel keeps its service_number unless that is 0 or its key is taken here, then it
// gets one as Add assigns it.
// A satellite chosen brings its channels when the user says Yes to
// kCopySatelliteChannelsQuestion (asked when it has any there).
// A changed record (or setting) still paired as when chosen takes the chosen fields:
// favourite groups follow changed marks and keys; a service number taken on the
// channel's transponder here is left (the user told once); audio comes with its count.
// Refuses, telling the user with the message Add uses and changing nothing, when the
// satellites, transponders or channels would not fit. Returns what was copied (all
// zero when nothing was only there), nullopt when refused.
std::optional<CopyCounts> CopyAcross(Database& here, const Database& there,
                                     const CopySelection& selection, Prompter& prompter);

}  // namespace velmora
