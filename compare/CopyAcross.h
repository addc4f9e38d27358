#pragma once
// Copy to this database: records that only the other database holds are copied into
// this one, with what they need to stand on their own. All or nothing: a copy that would
// not fit changes nothing.

#include <optional>
#include <vector>

#include "database/Database.h"
#include "database/Interaction.h"

namespace velmora {

// Positions in the other database ("there") of the records chosen for copying. Records
// that are paired with one here are already here and are passed over.
struct CopySelection {
    std::vector<int> satellites;
    std::vector<int> transponders;
    std::vector<int> tv;
    std::vector<int> radio;
};

struct CopyCounts {
    int satellites = 0;
    int transponders = 0;
    int tv = 0;
    int radio = 0;

    int total() const { return satellites + transponders + tv + radio; }
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
// Refuses, telling the user with the message Add uses and changing nothing, when the
// satellites, transponders or channels would not fit. Returns what was copied (all
// zero when nothing was only there), nullopt when refused.
std::optional<CopyCounts> CopyAcross(Database& here, const Database& there,
                                     const CopySelection& selection, Prompter& prompter);

}  // namespace velmora
