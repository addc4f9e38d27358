#pragma once
// Appending satellites of a satellites.xml with their transponders, and bringing the
// transponders of the database's satellites up to date from one.

#include <optional>
#include <string>
#include <vector>

#include "database/Database.h"
#include "database/Interaction.h"
#include "satxml/SatXmlReader.h"

namespace velmora {

struct XmlImportCounts {
    int satellites = 0;
    int transponders = 0;
    int skipped = 0;  // outside the record's ranges, or repeats
};

// What appending the <sat>s `chosen` (indexes into `sats`) adds.
XmlImportCounts CountXmlImport(const std::vector<XmlSatellite>& sats,
                               const std::vector<int>& chosen);

// The <sat>s the command line names: each of `names` is a position ("19.2E", "30.0W",
// matched exactly) or a <sat>'s exact name; every <sat> matched, once, in the order
// of `names`. nullopt with `unmatched` set when a name matches nothing.
std::optional<std::vector<int>> MatchXmlSatellites(const std::vector<XmlSatellite>& sats,
                                                   const std::vector<std::string>& names,
                                                   std::string& unmatched);

// Appends one satellite per chosen <sat> with its usable transponders, through Add
// Antenna's and Add Transponder's checks. When the satellites or transponders do not fit
// the user is told with Add's message and `db` stays unchanged (nullopt). Otherwise the
// indexes of the new satellites; `counts` receives what was added and skipped.
std::optional<std::vector<int>> ImportXmlSatellites(Database& db,
                                                    const std::vector<XmlSatellite>& sats,
                                                    const std::vector<int>& chosen,
                                                    Prompter& prompter, XmlImportCounts& counts);

// Pairing: a satellite pairs with the first <sat> at its position; its transponders pair
// with the <sat>'s usable ones of the same polarisation whose frequency is at most this
// far off, nearest first (an equal symbol rate first among equally near ones).
inline constexpr int kPairingReachMhz = 2;

struct XmlTpUpdate {
    int satellite = 0;
    int index = 0;  // table index before the update
    Transponder before;
    Transponder after;
};
struct XmlTpVanished {
    int satellite = 0;
    int index = 0;     // table index before the update
    int channels = 0;  // TV and radio channels on it
};

struct XmlUpdatePlan {
    std::vector<XmlTpUpdate> updated;     // paired, taking a new frequency, symbol rate or FEC
    std::vector<Transponder> added;       // the file's without a partner, satellite set
    std::vector<XmlTpVanished> vanished;  // ours without a partner
    int skipped = 0;
    // Vanished transponders that no channel uses: the ones a removal takes.
    int Removable() const;
};

// What updating satellite `only` (or every satellite, when -1) from `sats` would do.
XmlUpdatePlan PlanXmlUpdate(const Database& db, const std::vector<XmlSatellite>& sats,
                            int only = -1);

struct XmlUpdateCounts {
    int added = 0;
    int updated = 0;
    int removed = 0;
    bool changed() const { return added + updated + removed > 0; }
};

// Carries out `plan` on the database it was made for: paired transponders take the new
// values, vanished ones without channels are deleted when `remove_vanished`, the others
// are appended through Add Transponder's check. When the table cannot hold them the user
// is told with Add's message and `db` stays unchanged (nullopt).
std::optional<XmlUpdateCounts> ApplyXmlUpdate(Database& db, const XmlUpdatePlan& plan,
                                              bool remove_vanished, Prompter& prompter);

}  // namespace velmora
