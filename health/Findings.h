#pragma once
// The health check: records that no command of the editor would create (channels sharing
// a key, exact duplicates, records pointing at nothing, PIDs out of range), found in one
// pass over each table with hash maps, so a full database is checked in milliseconds.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"

namespace velmora {

// In the order the check reports them.
enum class FindingKind {
    KeyCollision,          // channels, TV and radio together, with one channel key
    DuplicateChannel,      // same table, tp_id, name (any case), video, PCR, first audio PID
    OrphanChannel,         // tp_id of no transponder
    DuplicateTransponder,  // same satellite, frequency, polarisation and symbol rate
    OrphanTransponder,     // satellite not below the satellite count
    DuplicateTpId,         // transponders sharing a tp_id
    PidOutOfRange,         // video, PCR, teletext or audio PID above 8191
};
inline constexpr int kFindingKinds = 7;
inline constexpr std::array<FindingKind, kFindingKinds> kAllFindingKinds = {
    FindingKind::KeyCollision,         FindingKind::DuplicateChannel,  FindingKind::OrphanChannel,
    FindingKind::DuplicateTransponder, FindingKind::OrphanTransponder, FindingKind::DuplicateTpId,
    FindingKind::PidOutOfRange};

enum class FindingTable { Tv, Radio, Transponders, Satellites };

// One finding. A collision or a duplicate is one finding: `index` is its first record,
// `others` the later ones, all 0-based table positions. The records of a key collision
// may lie in both channel tables: TV channels come first, and each position in `others`
// is one in its own table (`other_tables`, parallel to `others`).
struct Finding {
    FindingKind kind = FindingKind::KeyCollision;
    FindingTable table = FindingTable::Tv;
    int index = 0;
    std::vector<int> others;
    std::vector<FindingTable> other_tables;
    std::string text;  // the sentence the editor shows, translated, in UTF-8

    bool operator==(const Finding&) const = default;
};

// "key_collision", "duplicate_channel", ...
std::string_view FindingKindName(FindingKind kind);
// "tv", "radio", "transponders", "satellites"
std::string_view FindingTableName(FindingTable table);
// Whether the fixes can mend a finding of this kind without a person's judgement.
bool IsMendable(FindingKind kind);

// Every finding of `db`, by kind in the order above, then by first record.
std::vector<Finding> CheckDatabase(const Database& db);

// Findings per kind, indexed by the kind's value.
std::array<int, kFindingKinds> CountFindings(const std::vector<Finding>& findings);

}  // namespace velmora
