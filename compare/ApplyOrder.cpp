#include "compare/ApplyOrder.h"

#include <algorithm>

#include "channels/ChannelSorts.h"
#include "compare/Pairing.h"
#include "text/Translate.h"

namespace velmora {

std::string OrderMessage(const OrderCounts& c) {
    return Fill(VT_TR("compare", "Ordered %1 of %2 TV channels and %3 of %4 radio channels"),
                {std::to_string(c.tv_ordered), std::to_string(c.tv_total),
                 std::to_string(c.radio_ordered), std::to_string(c.radio_total)});
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
