#include "satxml/SatXmlImport.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "satellites/SatelliteOps.h"
#include "satellites/TransponderOps.h"
#include "satxml/SatXmlMapping.h"

namespace velmora {
namespace {

// Channels per tp_id over both tables.
std::vector<int> ChannelsPerTpId(const Database& db) {
    std::vector<int> count(65536, 0);
    for (bool radio : {false, true}) {
        for (int i = 0; i < db.channel_count(radio); ++i) ++count[db.channels(radio)[i].tp_id()];
    }
    return count;
}

struct Candidate {
    int distance;
    bool other_rate;
    int ours;  // index into our list
    int file;  // index into the file's list
    auto key() const { return std::tie(distance, other_rate, ours, file); }
};

// Pairs `ours` (table indexes) with `file` one to one, nearest first.
std::vector<int> PairTransponders(const Database& db, const std::vector<int>& ours,
                                  const std::vector<Transponder>& file) {
    std::vector<Candidate> candidates;
    for (size_t o = 0; o < ours.size(); ++o) {
        const Transponder& tp = db.transponders[ours[o]];
        for (size_t f = 0; f < file.size(); ++f) {
            const int distance = std::abs(int{tp.frequency()} - int{file[f].frequency()});
            if (tp.polarisation() != file[f].polarisation() || distance > kPairingReachMhz)
                continue;
            candidates.push_back({distance, tp.symbol_rate() != file[f].symbol_rate(),
                                  static_cast<int>(o), static_cast<int>(f)});
        }
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.key() < b.key(); });
    std::vector<int> partner_of_file(file.size(), -1);
    std::vector<bool> ours_taken(ours.size(), false);
    for (const Candidate& c : candidates) {
        if (ours_taken[c.ours] || partner_of_file[c.file] >= 0) continue;
        ours_taken[c.ours] = true;
        partner_of_file[c.file] = c.ours;
    }
    return partner_of_file;
}

}  // namespace

XmlImportCounts CountXmlImport(const std::vector<XmlSatellite>& sats,
                               const std::vector<int>& chosen) {
    XmlImportCounts counts;
    for (int i : chosen) {
        ++counts.satellites;
        counts.transponders +=
            static_cast<int>(UsableTransponders(sats[i], 0, counts.skipped).size());
    }
    return counts;
}

std::optional<std::vector<int>> MatchXmlSatellites(const std::vector<XmlSatellite>& sats,
                                                   const std::vector<std::string>& names,
                                                   std::string& unmatched) {
    std::vector<int> chosen;
    for (const std::string& name : names) {
        const std::optional<int> position = ParsePositionText(name);
        bool found = false;
        for (size_t i = 0; i < sats.size(); ++i) {
            if (sats[i].name != name && (!position || sats[i].position != *position)) continue;
            found = true;
            if (std::find(chosen.begin(), chosen.end(), static_cast<int>(i)) == chosen.end())
                chosen.push_back(static_cast<int>(i));
        }
        if (!found) {
            unmatched = name;
            return std::nullopt;
        }
    }
    return chosen;
}

std::optional<std::vector<int>> ImportXmlSatellites(Database& db,
                                                    const std::vector<XmlSatellite>& sats,
                                                    const std::vector<int>& chosen,
                                                    Prompter& prompter, XmlImportCounts& counts) {
    counts = CountXmlImport(sats, chosen);
    if (!HasRoomFor(db, prompter, counts.satellites, counts.transponders)) return std::nullopt;
    std::vector<int> added;
    for (int i : chosen) {
        const int s = db.sat_count();
        if (!CanAddSatellite(db, prompter, MakeXmlSatellite(sats[i]))) break;
        added.push_back(s);
        int ignored = 0;
        for (Transponder tp : UsableTransponders(sats[i], s, ignored))
            CanAddTransponder(db, prompter, tp);
    }
    return added;
}

int XmlUpdatePlan::Removable() const {
    return static_cast<int>(std::count_if(vanished.begin(), vanished.end(),
                                          [](const auto& v) { return v.channels == 0; }));
}

XmlUpdatePlan PlanXmlUpdate(const Database& db, const std::vector<XmlSatellite>& sats, int only) {
    XmlUpdatePlan plan;
    const std::vector<int> channels = ChannelsPerTpId(db);
    for (int s = 0; s < db.sat_count(); ++s) {
        if (only >= 0 && s != only) continue;
        const int position = PositionOf(db.satellites[s]);
        const auto xml = std::find_if(sats.begin(), sats.end(), [&](const XmlSatellite& x) {
            return x.position == position;
        });
        if (xml == sats.end()) continue;
        const std::vector<Transponder> file = UsableTransponders(*xml, s, plan.skipped);
        const std::vector<int> ours = SatelliteTransponderIndices(db, s);
        const std::vector<int> partner = PairTransponders(db, ours, file);
        std::vector<bool> paired(ours.size(), false);
        for (size_t f = 0; f < file.size(); ++f) {
            if (partner[f] < 0) {
                plan.added.push_back(file[f]);
                continue;
            }
            paired[partner[f]] = true;
            const int index = ours[partner[f]];
            const Transponder& before = db.transponders[index];
            Transponder after = before;
            after.set_frequency(file[f].frequency());
            after.set_symbol_rate(file[f].symbol_rate());
            after.set_fec(file[f].fec());
            if (after.bytes != before.bytes) plan.updated.push_back({s, index, before, after});
        }
        for (size_t o = 0; o < ours.size(); ++o) {
            if (!paired[o])
                plan.vanished.push_back({s, ours[o], channels[db.transponders[ours[o]].tp_id()]});
        }
    }
    return plan;
}

std::optional<XmlUpdateCounts> ApplyXmlUpdate(Database& db, const XmlUpdatePlan& plan,
                                              bool remove_vanished, Prompter& prompter) {
    XmlUpdateCounts counts;
    const int removable = remove_vanished ? plan.Removable() : 0;
    if (!HasRoomFor(db, prompter, 0, static_cast<int>(plan.added.size()) - removable))
        return std::nullopt;
    for (const XmlTpUpdate& u : plan.updated) {
        db.transponders[u.index] = u.after;
        ++counts.updated;
    }
    if (remove_vanished) {
        std::vector<int> doomed;
        for (const XmlTpVanished& v : plan.vanished)
            if (v.channels == 0) doomed.push_back(v.index);
        // From the back, so that the indexes still to come stay valid.
        std::sort(doomed.rbegin(), doomed.rend());
        for (int index : doomed) {
            RemoveTransponderWithChannels(db, index);
            ++counts.removed;
        }
    }
    for (Transponder tp : plan.added) {
        if (CanAddTransponder(db, prompter, tp)) ++counts.added;
    }

    return counts;
}

}  // namespace velmora
