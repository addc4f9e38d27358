#include "compare/ApplyOrder.h"

#include <algorithm>

#include "channels/ChannelSorts.h"
#include "compare/Pairing.h"

namespace velmora {

std::string OrderMessage(const OrderCounts& c) {
    return "Ordered " + std::to_string(c.tv_ordered) + " of " + std::to_string(c.tv_total) +
           " TV channels and " + std::to_string(c.radio_ordered) + " of " +
           std::to_string(c.radio_total) + " radio channels";
}

OrderCounts ApplyOrder(Database& db, const Database& reference) {
    const DatabasePairing pairing = PairDatabases(db, reference);
    OrderCounts counts;
    for (bool radio : {false, true}) {
        const TablePairing& p = pairing.channels(radio);
        const int count = db.channel_count(radio);
        const int reference_count = reference.channel_count(radio);
        // Paired records rank by their place in the reference, the rest after all of
        // those, by their own place.
        std::vector<int> ranks(count);
        for (int i = 0; i < count; ++i)
            ranks[i] = p.a_to_b[i] != kUnpaired ? p.a_to_b[i] : reference_count + i;
        if (!std::is_sorted(ranks.begin(), ranks.end())) {
            ReorderTableByRank(db, radio, ranks);
            counts.moved = true;
        }
        (radio ? counts.radio_ordered : counts.tv_ordered) = p.paired_count();
        (radio ? counts.radio_total : counts.tv_total) = count;
    }
    return counts;
}

}  // namespace velmora
