#include "health/Fixes.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "channels/ChannelForm.h"
#include "channels/ChannelSorts.h"
#include "database/Latin1.h"
#include "database/Upkeep.h"
#include "text/Translate.h"

namespace velmora {
namespace {

using Occurrences = std::array<int, FavouriteGroups::kGroups>;

// Numbers count from 1, as the list's Index and the group names do.
std::string DroppedMarkNote(bool radio, int pos, const Channel& ch, int group) {
    return Fill(radio ? VT_TR("health",
                              "Radio channel %1 \"%2\" lost its mark for favourite group %3: its "
                              "new key found the group full.")
                      : VT_TR("health",
                              "TV channel %1 \"%2\" lost its mark for favourite group %3: its new "
                              "key found the group full."),
                {std::to_string(pos + 1), Latin1ToUtf8(ch.name()), std::to_string(group + 1)});
}

// The lowest tp_id that neither a transponder nor a channel names: an id an orphan
// channel names would attach that channel to the transponder given it.
int LowestUnnamedTpId(const Database& db) {
    std::vector<bool> used(kMaxTransponders, false);
    for (int i = 0; i < db.tp_count(); ++i)
        if (db.transponders[i].tp_id() < kMaxTransponders) used[db.transponders[i].tp_id()] = true;
    for (bool radio : {false, true})
        for (int i = 0; i < db.channel_count(radio); ++i)
            if (db.channels(radio)[i].tp_id() < kMaxTransponders)
                used[db.channels(radio)[i].tp_id()] = true;
    int id = 0;
    while (id < kMaxTransponders && used[id]) ++id;
    return id;
}

bool IsRadio(FindingTable t) {
    return t == FindingTable::Radio;
}

bool InTable(const Database& db, FindingTable t, int pos) {
    switch (t) {
        case FindingTable::Tv:
        case FindingTable::Radio:
            return pos >= 0 && pos < db.channel_count(IsRadio(t));
        case FindingTable::Transponders:
            return pos >= 0 && pos < db.tp_count();
        case FindingTable::Satellites:
            return pos >= 0 && pos < db.sat_count();
    }
    return false;
}

// Every record of `f` still lies inside its table.
bool Valid(const Database& db, const Finding& f) {
    if (f.others.size() != f.other_tables.size() || !InTable(db, f.table, f.index)) return false;
    for (size_t k = 0; k < f.others.size(); ++k)
        if (!InTable(db, f.other_tables[k], f.others[k])) return false;
    return true;
}

// Gives channel `pos` a new key; in each group it is marked for, the new key takes the
// place of occurrence `occurrence[g]` of the old one. Where the key can only be appended
// and the group is full, the mark goes, so that marks and groups stay in step.
// The dropped mark is told in `notes`, when given.
void Rekey(Database& db, bool radio, int pos, uint16_t tp_id, uint16_t service,
           const Occurrences& occurrence, std::vector<std::string>* notes) {
    Channel& ch = db.channels(radio)[pos];
    const uint32_t old_key = ch.key();
    ch.set_tp_id(tp_id);
    ch.set_service_number(service);
    if (ch.key() == old_key) return;
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
        if (ch.fav(g) && ReplaceFavouriteKey(db, g, old_key, ch.key(), radio, occurrence[g]) != 1) {
            ch.set_fav(g, false);
            if (notes) notes->push_back(DroppedMarkNote(radio, pos, ch, g));
        }
    }
}

bool FixKeyCollision(Database& db, const Finding& f, std::vector<std::string>* notes) {
    const bool first_radio = IsRadio(f.table);
    const Channel first = db.channels(first_radio)[f.index];
    bool mended = false;
    for (size_t k = 0; k < f.others.size(); ++k) {
        const bool radio = IsRadio(f.other_tables[k]);
        const int pos = f.others[k];
        if (db.channels(radio)[pos].key() != first.key()) continue;
        // The first channel keeps the first entry of the key in a list they share; the
        // ones before this channel have already moved to their new keys.
        Occurrences occurrence{};
        for (int g = 0; g < FavouriteGroups::kGroups; ++g)
            occurrence[g] = radio == first_radio && first.fav(g) ? 1 : 0;
        const int service = LowestFreeServiceNumber(db, first.tp_id());
        Rekey(db, radio, pos, first.tp_id(), static_cast<uint16_t>(service), occurrence, notes);
        mended = true;
    }
    return mended;
}

bool SameChannel(const Channel& a, const Channel& b) {
    return a.tp_id() == b.tp_id() && a.video_pid() == b.video_pid() && a.pcr_pid() == b.pcr_pid() &&
           a.first_audio_pid() == b.first_audio_pid() && CompareNames(a.name(), b.name()) == 0;
}

bool FixDuplicateChannel(Database& db, const Finding& f, std::vector<bool>& doomed) {
    const bool radio = IsRadio(f.table);
    auto& table = db.channels(radio);
    uint32_t merged = 0;
    bool mended = false;
    for (int pos : f.others) {
        Channel& later = table[pos];
        if (doomed[static_cast<size_t>(pos)] || !SameChannel(table[f.index], later)) continue;
        // Its keys leave now, so that the first channel's keys find room in a full group.
        for (int g = 0; g < FavouriteGroups::kGroups; ++g)
            if (later.fav(g)) RemoveFavouriteKey(db, g, later.key(), radio);
        merged |= later.fav_marks();
        later.set_fav_marks(0);
        doomed[static_cast<size_t>(pos)] = true;
        mended = true;
    }
    Channel& first = table[f.index];
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
        if ((merged >> g & 1u) && !first.fav(g) && AddFavouriteKey(db, g, first.key(), radio) == 1)
            first.set_fav(g, true);
    }
    return mended;
}

bool SameTransponder(const Transponder& a, const Transponder& b) {
    return a.satellite() == b.satellite() && a.frequency() == b.frequency() &&
           a.polarisation() == b.polarisation() && a.symbol_rate() == b.symbol_rate();
}

bool FixDuplicateTransponder(Database& db, const Finding& f, std::vector<bool>& doomed,
                             std::vector<std::string>* notes) {
    const uint16_t target = db.transponders[f.index].tp_id();
    std::unordered_set<int> taken;
    for (bool radio : {false, true})
        for (int i = 0; i < db.channel_count(radio); ++i)
            if (db.channels(radio)[i].tp_id() == target)
                taken.insert(db.channels(radio)[i].service_number());
    bool mended = false;
    for (int t : f.others) {
        const Transponder& later = db.transponders[t];
        if (doomed[static_cast<size_t>(t)] || !SameTransponder(db.transponders[f.index], later))
            continue;
        doomed[static_cast<size_t>(t)] = true;
        mended = true;
        const uint16_t source = later.tp_id();
        // Channels on an id that an earlier transponder also carries are that one's.
        if (source == target || db.FindTransponder(source) != t) continue;
        for (bool radio : {false, true}) {
            for (int i = 0; i < db.channel_count(radio); ++i) {
                const Channel& ch = db.channels(radio)[i];
                if (ch.tp_id() != source) continue;
                int service = ch.service_number();
                if (service == 0 || taken.count(service))
                    service = LowestFreeServiceNumber(db, target);
                taken.insert(service);
                Rekey(db, radio, i, target, static_cast<uint16_t>(service), Occurrences{}, notes);
            }
        }
    }
    return mended;
}

bool FixDuplicateTpId(Database& db, const Finding& f) {
    const uint16_t id = db.transponders[f.index].tp_id();
    bool mended = false;
    for (int t : f.others) {
        if (db.transponders[t].tp_id() != id) continue;
        const int free_id = LowestUnnamedTpId(db);
        if (free_id >= kMaxTransponders) break;
        db.transponders[t].set_tp_id(static_cast<uint16_t>(free_id));
        mended = true;
    }
    return mended;
}

}  // namespace

int FixFindings(Database& db, const std::vector<Finding>& findings,
                std::vector<std::string>* notes) {
    std::vector<const Finding*> chosen;
    for (const Finding& f : findings)
        if (IsMendable(f.kind) && Valid(db, f)) chosen.push_back(&f);
    // Ids first, so that moving channels sees which transponder carries them; renumbering
    // and merging only then; records are removed last, as every finding's positions
    // refer to the tables as they were checked.
    constexpr FindingKind kOrder[] = {FindingKind::DuplicateTpId, FindingKind::DuplicateTransponder,
                                      FindingKind::KeyCollision, FindingKind::DuplicateChannel};
    std::vector<bool> doomed_tp(static_cast<size_t>(std::max(db.tp_count(), 0)), false);
    std::array<std::vector<bool>, 2> doomed_ch{
        std::vector<bool>(static_cast<size_t>(std::max(db.tv_count(), 0)), false),
        std::vector<bool>(static_cast<size_t>(std::max(db.radio_count(), 0)), false)};
    int mended = 0;
    for (FindingKind kind : kOrder) {
        for (const Finding* f : chosen) {
            if (f->kind != kind) continue;
            bool done = false;
            switch (kind) {
                case FindingKind::DuplicateTpId:
                    done = FixDuplicateTpId(db, *f);
                    break;
                case FindingKind::DuplicateTransponder:
                    done = FixDuplicateTransponder(db, *f, doomed_tp, notes);
                    break;
                case FindingKind::KeyCollision:
                    done = FixKeyCollision(db, *f, notes);
                    break;
                case FindingKind::DuplicateChannel:
                    done = FixDuplicateChannel(db, *f, doomed_ch[IsRadio(f->table) ? 1 : 0]);
                    break;
                default:
                    break;
            }
            if (done) ++mended;
        }
    }
    for (bool radio : {false, true}) DeleteChannelsAt(db, radio, doomed_ch[radio ? 1 : 0]);
    for (int t = static_cast<int>(doomed_tp.size()) - 1; t >= 0; --t)
        if (doomed_tp[static_cast<size_t>(t)]) DeleteTransponderAt(db, t);
    return mended;
}

int FixAllFindings(Database& db, std::vector<std::string>* notes) {
    // A fix can uncover another (channels moved onto a transponder may duplicate the ones
    // there), so check again; each pass removes records or makes keys and ids unique.
    constexpr int kMaxPasses = 8;
    int mended = 0;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        std::vector<Finding> findings = CheckDatabase(db);
        std::erase_if(findings, [](const Finding& f) { return !IsMendable(f.kind); });
        if (findings.empty()) break;
        const int n = FixFindings(db, findings, notes);
        if (n == 0) break;
        mended += n;
    }
    return mended;
}

std::string FixedText(int fixed) {
    if (fixed == 0) return VT_TR("health", "Nothing was fixed.");
    return Fill(
        fixed == 1 ? VT_TR("health", "Fixed %1 finding") : VT_TR("health", "Fixed %1 findings"),
        {std::to_string(fixed)});
}

}  // namespace velmora
