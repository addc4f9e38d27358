#pragma once
// Pairing the records of two databases by what they are, not by where they sit: tp_ids
// and channel keys are assigned independently in each file, so they never pair anything
// by themselves. Compare, copy across and apply-order all start from this pairing.

#include <vector>

#include "database/Database.h"

namespace velmora {

inline constexpr int kUnpaired = -1;

// One table's pairing: a_to_b[i] is the position in B paired with position i in A, or
// kUnpaired; b_to_a the same the other way. A record pairs at most once.
struct TablePairing {
    std::vector<int> a_to_b;
    std::vector<int> b_to_a;

    void Reset(int a_count, int b_count);
    void Pair(int a, int b) { a_to_b[a] = b, b_to_a[b] = a; }
    int paired_count() const;
};

struct DatabasePairing {
    TablePairing satellites;
    TablePairing transponders;
    TablePairing tv;
    TablePairing radio;

    const TablePairing& channels(bool radio_table) const { return radio_table ? radio : tv; }
};

// Each rule below pairs in table order: A's records in turn take the first record of B,
// in B's table order, that the rule accepts and that is still unpaired. A rule only pairs
// what the rules before it left unpaired.

// Satellites: same orbital position (angle and east/west) and same name; then same
// position; then same name.
TablePairing PairSatellites(const Database& a, const Database& b);
// Transponders, on paired satellites: same frequency, polarisation and symbol rate; then
// same frequency and polarisation. Transponders naming a missing satellite pair with
// those of B naming the same missing satellite number, by the same two rules.
TablePairing PairTransponders(const Database& a, const Database& b, const TablePairing& satellites);
// Channels of one table (TV with TV, radio with radio): on paired transponders, same
// video, PCR and first audio PID (among channels sharing those, the same name and
// service number first); then, on paired transponders, the same name ignoring
// case as the sorts compare it; then the same name anywhere.
TablePairing PairChannels(const Database& a, const Database& b, const TablePairing& transponders,
                          bool radio_table);
// All of the above.
DatabasePairing PairDatabases(const Database& a, const Database& b);

// Position of the first transponder in table order for every tp_id (0..65535), kUnpaired
// where none carries it: a channel's transponder in one look-up.
std::vector<int> TransponderIndexById(const Database& db);

}  // namespace velmora
