#pragma once
// The differences between two databases, record by record over the pairing: what only
// one side holds, and which fields of paired records differ. Field names are the keys
// `velmora-cli dump` uses, so a diff reads against two dumps.

#include <string>
#include <vector>

#include "compare/Pairing.h"
#include "database/Database.h"

namespace velmora {

// Fields named in a diff besides the dump's own record keys: a record whose parent is
// paired with another record than the other side's parent.
inline constexpr const char* kFieldSatellite = "satellite";
inline constexpr const char* kFieldTransponder = "transponder";

struct ChangedRecord {
    int a = 0;
    int b = 0;
    std::vector<std::string> fields;
};

// One table. Positions are 0-based in each side's table; only_a, only_b and changed are
// in increasing order of the position in A (of B for only_b).
struct SectionDiff {
    std::vector<int> only_a;
    std::vector<int> only_b;
    std::vector<ChangedRecord> changed;
    // The paired records stand in the same relative order in both tables.
    bool same_order = true;

    bool empty() const { return only_a.empty() && only_b.empty() && changed.empty() && same_order; }
};

struct DatabaseDiff {
    DatabasePairing pairing;
    SectionDiff satellites;
    SectionDiff transponders;
    SectionDiff tv;
    SectionDiff radio;
    std::vector<std::string> settings_changed;  // keys of the settings, group names apart
    std::vector<int> favourite_names_changed;   // groups 0..7 whose names differ

    const SectionDiff& channels(bool radio_table) const { return radio_table ? radio : tv; }
    bool empty() const;
};

// The fields of paired records that differ. tp_id never counts: each file assigns its
// own. The parent field ("satellite", "transponder") counts when the parents are not
// paired with each other.
std::vector<std::string> SatelliteDifferences(const Satellite& a, const Satellite& b);
std::vector<std::string> TransponderDifferences(const Database& a, const Database& b,
                                                const DatabasePairing& pairing, int i, int j);
// `tp_of_a` and `tp_of_b` are TransponderIndexById of each side.
std::vector<std::string> ChannelDifferences(const Channel& a, const Channel& b,
                                            const DatabasePairing& pairing,
                                            const std::vector<int>& tp_of_a,
                                            const std::vector<int>& tp_of_b);
std::vector<std::string> SettingsDifferences(const SettingsBlock& a, const SettingsBlock& b);

// Pairs A with B and lists every difference.
DatabaseDiff DiffDatabases(const Database& a, const Database& b);

}  // namespace velmora
