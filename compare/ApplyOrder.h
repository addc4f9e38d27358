#pragma once
// Apply Order: the TV and radio tables take the order of a reference database. Channels
// paired with the reference's come first, in the reference's order; the unpaired follow
// in their old order. Records move whole, so keys and favourite groups stay valid.

#include <string>

#include "database/Database.h"

namespace velmora {

struct OrderCounts {
    int tv_ordered = 0;
    int tv_total = 0;
    int radio_ordered = 0;
    int radio_total = 0;
    bool moved = false;  // some record now stands elsewhere
};

// "Ordered N of M TV channels and K of L radio channels".
std::string OrderMessage(const OrderCounts& counts);

// Reorders both tables of `db` after `reference`; returns how many channels of each
// table were paired.
OrderCounts ApplyOrder(Database& db, const Database& reference);

}  // namespace velmora
