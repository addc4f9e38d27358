#include "health/Findings.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "channels/ChannelSorts.h"
#include "database/Latin1.h"
#include "database/NameLists.h"
#include "text/Translate.h"

namespace velmora {
namespace {

constexpr int kMaxPid = 8191;

// A record of either channel table.
struct ChannelAt {
    bool radio;
    int pos;
};

FindingTable ChannelTable(bool radio) {
    return radio ? FindingTable::Radio : FindingTable::Tv;
}

// "A", "A and B", "A, B and C".
std::string JoinList(const std::vector<std::string>& parts) {
    if (parts.empty()) return {};
    std::string head;
    for (size_t i = 0; i + 1 < parts.size(); ++i) head += (i > 0 ? ", " : "") + parts[i];
    if (head.empty()) return parts.back();
    //: The end of a list: "A and B", "A, B and C".
    return Fill(VT_TR("health", "%1 and %2"), {head, parts.back()});
}

// Positions in the texts count from 1, as the channel list's Index does.
std::string ChannelText(const Database& db, bool radio, int pos) {
    return Fill(radio ? VT_TR("health", "radio channel \"%1\" (No. %2)")
                      : VT_TR("health", "TV channel \"%1\" (No. %2)"),
                {Latin1ToUtf8(db.channels(radio)[pos].name()), std::to_string(pos + 1)});
}

std::string SatelliteText(const Database& db, int s) {
    if (s < db.sat_count()) return "\"" + Latin1ToUtf8(db.satellites[s].name()) + "\"";
    return Fill(VT_TR("health", "satellite index %1"), {std::to_string(s)});
}

std::string TransponderText(const Transponder& tp) {
    return std::to_string(tp.frequency()) + " " +
           std::string(NameOr(kPolarisationNames, tp.polarisation())) + " " +
           std::to_string(tp.symbol_rate());
}

// Groups positions 0..count-1 by `key_of`, keeping only groups of two or more; groups
// come in the order of their first member, members in table order.
template <typename Key, typename KeyOf>
std::vector<std::vector<int>> GroupsOfTwoOrMore(int count, KeyOf key_of) {
    std::unordered_map<Key, int> group_of;
    group_of.reserve(static_cast<size_t>(std::max(count, 0)) * 2);
    std::vector<std::vector<int>> groups;
    for (int i = 0; i < count; ++i) {
        const auto [it, added] = group_of.try_emplace(key_of(i), static_cast<int>(groups.size()));
        if (added) groups.emplace_back();
        groups[static_cast<size_t>(it->second)].push_back(i);
    }
    std::erase_if(groups, [](const std::vector<int>& g) { return g.size() < 2; });
    return groups;
}

void FindKeyCollisions(const Database& db, std::vector<Finding>& out) {
    // TV positions 0..tv-1 and then radio positions, as one sequence.
    const int tv = std::max(db.tv_count(), 0);
    const int all = tv + std::max(db.radio_count(), 0);
    auto at = [&](int i) { return i < tv ? ChannelAt{false, i} : ChannelAt{true, i - tv}; };
    const auto groups = GroupsOfTwoOrMore<uint32_t>(all, [&](int i) {
        const ChannelAt c = at(i);
        return db.channels(c.radio)[c.pos].key();
    });
    for (const auto& group : groups) {
        const ChannelAt first = at(group[0]);
        const Channel& ch = db.channels(first.radio)[first.pos];
        Finding f{FindingKind::KeyCollision, ChannelTable(first.radio), first.pos, {}, {}, {}};
        std::vector<std::string> names;
        for (int i : group) {
            const ChannelAt c = at(i);
            names.push_back(ChannelText(db, c.radio, c.pos));
            if (i == group[0]) continue;
            f.others.push_back(c.pos);
            f.other_tables.push_back(ChannelTable(c.radio));
        }
        f.text = Fill(
            VT_TR("health",
                  "%1 share the channel key of service %2 on transponder id %3, so "
                  "their favourite marks are ambiguous."),
            {JoinList(names), std::to_string(ch.service_number()), std::to_string(ch.tp_id())});
        out.push_back(std::move(f));
    }
}

void FindDuplicateChannels(const Database& db, std::vector<Finding>& out) {
    for (bool radio : {false, true}) {
        const auto& table = db.channels(radio);
        const auto groups = GroupsOfTwoOrMore<std::string>(db.channel_count(radio), [&](int i) {
            const Channel& ch = table[i];
            // Eight bytes of numbers, then the name as the sorts compare it.
            std::string key(8, '\0');
            const uint16_t parts[] = {ch.tp_id(), ch.video_pid(), ch.pcr_pid(),
                                      ch.first_audio_pid()};
            for (int k = 0; k < 4; ++k) {
                key[2 * k] = static_cast<char>(parts[k] & 0xFF);
                key[2 * k + 1] = static_cast<char>(parts[k] >> 8);
            }
            return key + UpperLatin1(ch.name());
        });
        for (const auto& group : groups) {
            Finding f{FindingKind::DuplicateChannel, ChannelTable(radio), group[0], {}, {}, {}};
            std::vector<std::string> repeats;
            for (size_t k = 1; k < group.size(); ++k) {
                f.others.push_back(group[k]);
                f.other_tables.push_back(f.table);
                repeats.push_back(Fill(VT_TR("health", "No. %1"), {std::to_string(group[k] + 1)}));
            }
            f.text = Fill(VT_TR("health",
                                "%1 is repeated as %2: same transponder, name, video, "
                                "PCR and first audio PID."),
                          {ChannelText(db, radio, group[0]), JoinList(repeats)});
            out.push_back(std::move(f));
        }
    }
}

void FindOrphanChannels(const Database& db, std::vector<Finding>& out) {
    std::vector<bool> carried(0x10000, false);
    for (int t = 0; t < db.tp_count(); ++t) carried[db.transponders[t].tp_id()] = true;
    for (bool radio : {false, true}) {
        for (int i = 0; i < db.channel_count(radio); ++i) {
            const int tp_id = db.channels(radio)[i].tp_id();
            if (carried[static_cast<size_t>(tp_id)]) continue;
            out.push_back({FindingKind::OrphanChannel,
                           ChannelTable(radio),
                           i,
                           {},
                           {},
                           Fill(VT_TR("health",
                                      "%1 is on transponder id %2, which no "
                                      "transponder has."),
                                {ChannelText(db, radio, i), std::to_string(tp_id)})});
        }
    }
}

void FindDuplicateTransponders(const Database& db, std::vector<Finding>& out) {
    const auto groups = GroupsOfTwoOrMore<uint64_t>(db.tp_count(), [&](int t) {
        const Transponder& tp = db.transponders[t];
        return uint64_t{tp.satellite()} << 40 | uint64_t{tp.polarisation()} << 32 |
               uint64_t{tp.frequency()} << 16 | tp.symbol_rate();
    });
    for (const auto& group : groups) {
        const Transponder& tp = db.transponders[group[0]];
        Finding f{
            FindingKind::DuplicateTransponder, FindingTable::Transponders, group[0], {}, {}, {}};
        std::vector<std::string> ids;
        for (size_t k = 1; k < group.size(); ++k) {
            f.others.push_back(group[k]);
            f.other_tables.push_back(f.table);
            ids.push_back(std::to_string(db.transponders[group[k]].tp_id()));
        }
        f.text = Fill(VT_TR("health", "Transponder %1 (id %2) of %3 is repeated with id %4."),
                      {TransponderText(tp), std::to_string(tp.tp_id()),
                       SatelliteText(db, tp.satellite()), JoinList(ids)});
        out.push_back(std::move(f));
    }
}

void FindOrphanTransponders(const Database& db, std::vector<Finding>& out) {
    for (int t = 0; t < db.tp_count(); ++t) {
        const Transponder& tp = db.transponders[t];
        if (tp.satellite() < db.sat_count()) continue;
        out.push_back({FindingKind::OrphanTransponder,
                       FindingTable::Transponders,
                       t,
                       {},
                       {},
                       Fill(VT_TR("health",
                                  "Transponder %1 (id %2) names satellite index %3, but "
                                  "there are only %4 satellites."),
                            {TransponderText(tp), std::to_string(tp.tp_id()),
                             std::to_string(tp.satellite()), std::to_string(db.sat_count())})});
    }
}

void FindDuplicateTpIds(const Database& db, std::vector<Finding>& out) {
    const auto groups = GroupsOfTwoOrMore<uint16_t>(
        db.tp_count(), [&](int t) { return db.transponders[t].tp_id(); });
    for (const auto& group : groups) {
        Finding f{FindingKind::DuplicateTpId, FindingTable::Transponders, group[0], {}, {}, {}};
        std::vector<std::string> names;
        for (int t : group) {
            const Transponder& tp = db.transponders[t];
            names.push_back(Fill(VT_TR("health", "%1 of %2"),
                                 {TransponderText(tp), SatelliteText(db, tp.satellite())}));
            if (t == group[0]) continue;
            f.others.push_back(t);
            f.other_tables.push_back(f.table);
        }
        f.text = Fill(VT_TR("health",
                            "Transponders %1 share the id %2; the channels on that id "
                            "belong to the first."),
                      {JoinList(names), std::to_string(db.transponders[group[0]].tp_id())});
        out.push_back(std::move(f));
    }
}

void FindPidsOutOfRange(const Database& db, std::vector<Finding>& out) {
    for (bool radio : {false, true}) {
        for (int i = 0; i < db.channel_count(radio); ++i) {
            const Channel& ch = db.channels(radio)[i];
            std::vector<std::string> bad;
            // `what` is the PID's name with %1 for its value, translated only when needed.
            auto test = [&](const char* what, int pid) {
                if (pid > kMaxPid)
                    bad.push_back(Fill(Translate("health", what), {std::to_string(pid)}));
            };
            test(VT_TR_NOOP("health", "video PID %1"), ch.video_pid());
            test(VT_TR_NOOP("health", "PCR PID %1"), ch.pcr_pid());
            test(VT_TR_NOOP("health", "teletext PID %1"), ch.ttx_pid());
            const int stored = ch.audio_count() <= Channel::kPlainAudioMax
                                   ? static_cast<int>(ch.audio_count())
                                   : std::min<int>(ch.audio_count(), Channel::kPackedAudioMax);
            for (int k = 0; k < stored; ++k) {
                const int pid = ch.audio_entry(k).pid;
                //: %1 is the audio track's number, %2 the PID.
                if (pid > kMaxPid)
                    bad.push_back(Fill(VT_TR("health", "audio PID %1 %2"),
                                       {std::to_string(k + 1), std::to_string(pid)}));
            }
            if (bad.empty()) continue;
            out.push_back({FindingKind::PidOutOfRange,
                           ChannelTable(radio),
                           i,
                           {},
                           {},
                           Fill(bad.size() == 1 ? VT_TR("health", "%1 has a PID above 8191: %2.")
                                                : VT_TR("health", "%1 has PIDs above 8191: %2."),
                                {ChannelText(db, radio, i), JoinList(bad)})});
        }
    }
}

}  // namespace

std::string_view FindingKindName(FindingKind kind) {
    switch (kind) {
        case FindingKind::KeyCollision:
            return "key_collision";
        case FindingKind::DuplicateChannel:
            return "duplicate_channel";
        case FindingKind::OrphanChannel:
            return "orphan_channel";
        case FindingKind::DuplicateTransponder:
            return "duplicate_transponder";
        case FindingKind::OrphanTransponder:
            return "orphan_transponder";
        case FindingKind::DuplicateTpId:
            return "duplicate_tp_id";
        case FindingKind::PidOutOfRange:
            return "pid_out_of_range";
    }
    return "";
}

std::string_view FindingTableName(FindingTable table) {
    switch (table) {
        case FindingTable::Tv:
            return "tv";
        case FindingTable::Radio:
            return "radio";
        case FindingTable::Transponders:
            return "transponders";
        case FindingTable::Satellites:
            return "satellites";
    }
    return "";
}

bool IsMendable(FindingKind kind) {
    switch (kind) {
        case FindingKind::KeyCollision:
        case FindingKind::DuplicateChannel:
        case FindingKind::DuplicateTransponder:
        case FindingKind::DuplicateTpId:
            return true;
        default:
            return false;
    }
}

std::vector<Finding> CheckDatabase(const Database& db) {
    std::vector<Finding> out;
    FindKeyCollisions(db, out);
    FindDuplicateChannels(db, out);
    FindOrphanChannels(db, out);
    FindDuplicateTransponders(db, out);
    FindOrphanTransponders(db, out);
    FindDuplicateTpIds(db, out);
    FindPidsOutOfRange(db, out);
    return out;
}

std::array<int, kFindingKinds> CountFindings(const std::vector<Finding>& findings) {
    std::array<int, kFindingKinds> counts{};
    for (const Finding& f : findings) ++counts[static_cast<size_t>(f.kind)];
    return counts;
}

}  // namespace velmora
