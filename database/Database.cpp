#include "database/Database.h"

#include <vector>

namespace velmora {

Database::Database() : payload_(std::make_unique<uint8_t[]>(kPayloadAreaSize)) {}

int Database::FindTransponder(int tp_id) const {
    for (int i = 0; i < tp_count(); ++i) {
        if (transponders[i].tp_id() == tp_id) return i;
    }
    return -1;
}

int Database::SatelliteOfTransponder(int tp_id) const {
    const int i = FindTransponder(tp_id);
    return i < 0 ? -1 : transponders[i].satellite();
}

int Database::LowestFreeTpId() const {
    // Ids of 2000 or more (possible in a foreign file) are simply not candidates.
    std::vector<bool> used(kMaxTransponders, false);
    for (int i = 0; i < tp_count(); ++i) {
        const int id = transponders[i].tp_id();
        if (id < kMaxTransponders) used[id] = true;
    }
    int id = 0;
    while (id < kMaxTransponders && used[id]) ++id;
    return id;
}

}  // namespace velmora
