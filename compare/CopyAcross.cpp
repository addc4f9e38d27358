#include "compare/CopyAcross.h"

#include <algorithm>
#include <set>
#include <unordered_set>

#include "channels/ChannelCommands.h"
#include "channels/ChannelForm.h"
#include "compare/Pairing.h"
#include "database/Upkeep.h"
#include "satellites/SatelliteOps.h"
#include "satellites/TransponderOps.h"
#include "text/Translate.h"

namespace velmora {
namespace {

constexpr uint16_t kNoTransponder = 0xFFFF;

// The chosen positions that are valid and unpaired, ascending.
std::set<int> OnlyThere(const std::vector<int>& chosen, const std::vector<int>& b_to_a) {
    std::set<int> out;
    for (int j : chosen) {
        if (j >= 0 && j < static_cast<int>(b_to_a.size()) && b_to_a[j] == kUnpaired) out.insert(j);
    }
    return out;
}

// Position here of a transponder already on satellite `s` with the same frequency,
// symbol rate and polarisation as `t`, or -1.
int ExistingTransponder(const Database& here, int s, const Transponder& t) {
    for (int i = 0; i < here.tp_count(); ++i) {
        const Transponder& h = here.transponders[i];
        if (h.satellite() == s && h.frequency() == t.frequency() &&
            h.symbol_rate() == t.symbol_rate() && h.polarisation() == t.polarisation())
            return i;
    }
    return -1;
}

}  // namespace

std::optional<CopyCounts> CopyAcross(Database& here, const Database& there,
                                     const CopySelection& selection, Prompter& prompter) {
    const DatabasePairing pairing = PairDatabases(here, there);
    const std::vector<int> tp_of_there = TransponderIndexById(there);

    // The plan: which records of `there` become new records here.
    std::set<int> satellites = OnlyThere(selection.satellites, pairing.satellites.b_to_a);
    std::set<int> transponders = OnlyThere(selection.transponders, pairing.transponders.b_to_a);
    for (int t = 0; t < there.tp_count(); ++t) {
        if (pairing.transponders.b_to_a[t] == kUnpaired &&
            satellites.count(there.transponders[t].satellite()))
            transponders.insert(t);
    }
    std::set<int> channels[2];
    for (bool radio : {false, true}) {
        channels[radio] =
            OnlyThere(radio ? selection.radio : selection.tv, pairing.channels(radio).b_to_a);
        for (int c : channels[radio]) {
            const int t = tp_of_there[there.channels(radio)[c].tp_id()];
            if (t != kUnpaired && pairing.transponders.b_to_a[t] == kUnpaired)
                transponders.insert(t);
        }
    }
    // A transponder's satellite comes along when it is only there.
    for (int t : transponders) {
        const int s = there.transponders[t].satellite();
        if (s < there.sat_count() && pairing.satellites.b_to_a[s] == kUnpaired)
            satellites.insert(s);
    }
    // Transponders whose satellite is missing there have nowhere to go.
    std::erase_if(transponders,
                  [&](int t) { return there.transponders[t].satellite() >= there.sat_count(); });

    const size_t new_channels = channels[0].size() + channels[1].size();
    if (here.sat_count() + satellites.size() > size_t{kMaxSatellites}) {
        prompter.Tell(Translate("satellites", kSatellitesFullMessage.data()));
        return std::nullopt;
    }
    if (here.tp_count() + transponders.size() > size_t{kMaxTransponders}) {
        prompter.Tell(Translate("satellites", kTransponderFullMessage.data()), Icon::Stop,
                      Translate("satellites", kAddTransponderCaption.data()));
        return std::nullopt;
    }
    if (here.tv_count() + here.radio_count() + new_channels > size_t{kMaxChannels}) {
        prompter.Tell(Translate("channels", kChannelsFullMessage.data()), Icon::Stop,
                      Translate("channels", kChannelsFullCaption.data()));
        return std::nullopt;
    }

    CopyCounts counts;
    std::vector<int> satellite_here(there.sat_count(), kUnpaired);
    for (int s = 0; s < there.sat_count(); ++s) satellite_here[s] = pairing.satellites.b_to_a[s];
    for (int s : satellites) {
        satellite_here[s] = here.sat_count();
        here.satellites[here.sat_count()] = there.satellites[s];
        here.set_sat_count(here.sat_count() + 1);
        ++counts.satellites;
    }
    // tp_id here for each transponder position there.
    std::vector<int> tp_id_here(there.tp_count(), -1);
    for (int t = 0; t < there.tp_count(); ++t) {
        if (pairing.transponders.b_to_a[t] != kUnpaired)
            tp_id_here[t] = here.transponders[pairing.transponders.b_to_a[t]].tp_id();
    }
    for (int t : transponders) {
        Transponder tp = there.transponders[t];
        const int s = satellite_here[tp.satellite()];
        if (const int existing = ExistingTransponder(here, s, tp); existing >= 0) {
            tp_id_here[t] = here.transponders[existing].tp_id();
            continue;
        }
        tp.set_satellite(static_cast<uint8_t>(s));
        tp.set_tp_id(static_cast<uint16_t>(here.LowestFreeTpId()));
        tp_id_here[t] = tp.tp_id();
        here.transponders[here.tp_count()] = tp;
        here.set_tp_count(here.tp_count() + 1);
        ++counts.transponders;
    }

    std::unordered_set<uint32_t> keys;
    for (bool radio : {false, true}) {
        for (int i = 0; i < here.channel_count(radio); ++i)
            keys.insert(here.channels(radio)[i].key());
    }
    bool told_groups_full = false;
    for (bool radio : {false, true}) {
        for (int c : channels[radio]) {
            Channel ch = there.channels(radio)[c];
            const int t = tp_of_there[ch.tp_id()];
            ch.set_tp_id(t != kUnpaired && tp_id_here[t] >= 0 ? static_cast<uint16_t>(tp_id_here[t])
                                                              : kNoTransponder);
            if (ch.service_number() == 0 || keys.count(ch.key()))
                ch.set_service_number(static_cast<uint16_t>(NextServiceNumber(here, ch.tp_id())));
            keys.insert(ch.key());
            const int n = here.channel_count(radio);
            here.channels(radio)[n] = ch;
            here.set_channel_count(radio, n + 1);
            for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
                if (ch.fav(g) && AddFavouriteKey(here, g, ch.key(), radio) == kCannotDo &&
                    !told_groups_full) {
                    prompter.Tell(Translate("channels", kFavouriteFullMessage.data()));
                    told_groups_full = true;
                }
            }
            ++(radio ? counts.radio : counts.tv);
        }
    }
    return counts;
}

}  // namespace velmora
