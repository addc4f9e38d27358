#include "exchange/CsvEdits.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "channels/ChannelCommands.h"
#include "channels/ChannelForm.h"
#include "database/Latin1.h"
#include "database/Upkeep.h"
#include "exchange/ChannelCsv.h"
#include "exchange/SpreadsheetNames.h"
#include "text/Translate.h"

namespace velmora {
namespace {

// Translated where a refusal is made: Translate("exchange", ...).
constexpr const char* kNotUtf8Message =
    VT_TR_NOOP("exchange", "The name is not UTF-8 text; save the file as CSV in UTF-8.");
constexpr const char* kNotAFlagMessage = VT_TR_NOOP("exchange", "Please enter 1 or 0.");
constexpr const char* kRadioVideoMessage =
    VT_TR_NOOP("exchange", "The video PID of a radio channel cannot be changed.");
constexpr const char* kEmptyNameMessage = VT_TR_NOOP(
    "exchange",
    "No character of the name fits a channel name (ISO-8859-1): the name would be empty.");
//: "Check Database..." and "Tools" are the menu's texts: use their translations.
constexpr const char* kCollisionMessage =
    VT_TR_NOOP("exchange",
               "\"Check Database...\" (Tools menu) mends key collisions; apply the file after it.");

std::string Refusal(const ChannelCsvRow& row, int column, std::string_view message) {
    return row.Where(column) + ": " + std::string(message);
}

std::string KeyText(const ChannelCsvRow& row) {
    //: tp_id and service_number are the file's column names: keep them.
    return Fill(VT_TR("exchange", "tp_id %1 and service_number %2"),
                {std::to_string(row.tp_id), std::to_string(row.service_number)});
}

// Channel positions of one table sorted by key (equal keys in table order), to find the
// k-th channel of a key.
struct KeyIndex {
    std::vector<std::pair<uint32_t, int>> entries;
    std::vector<int> taken;  // rows matched so far, per first entry of a key

    KeyIndex(const Database& db, bool radio) {
        const auto& table = db.channels(radio);
        for (int i = 0; i < db.channel_count(radio); ++i) entries.emplace_back(table[i].key(), i);
        std::stable_sort(entries.begin(), entries.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        taken.assign(entries.size(), 0);
    }

    // The position of the channel of `key`: kNoChannel when none has it, kSeveral when
    // more than one does, kTaken when an earlier row named it.
    static constexpr int kNoChannel = -1, kTaken = -2, kSeveral = -3;
    int Take(uint32_t key) {
        const auto first =
            std::lower_bound(entries.begin(), entries.end(), std::make_pair(key, -1));
        if (first == entries.end() || first->first != key) return kNoChannel;
        const size_t at = static_cast<size_t>(first - entries.begin());
        if (at + 1 < entries.size() && entries[at + 1].first == key) return kSeveral;
        if (taken[at]++ > 0) return kTaken;
        return entries[at].second;
    }
};

// What is kept of a row once read: the channel it names, as the row leaves it.
struct Edit {
    bool radio;
    uint32_t key;
    int line;                                                   // the row's first line
    std::array<int, FavouriteGroups::kGroups> favourite_lines;  // of fav1...fav8
    int position;
    Channel record;
};

// The row's values stored over `record` as the channel dialog's OK stores them; the
// refusal when the dialog would refuse one.
std::optional<std::string> EditRecord(const ChannelCsvRow& row, Channel& record) {
    const std::optional<std::string> name = Utf8ToLatin1Dropping(row.fields[kCsvName]);
    if (!name) return Refusal(row, kCsvName, Translate("exchange", kNotUtf8Message));
    if (*name != record.name()) {
        if (static_cast<int>(name->size()) > kMaxNameLength)
            return Refusal(row, kCsvName, TooLongMessage(kMaxNameLength));
        const std::string filtered = FilterNameBytes(*name);
        // A name of emoji alone would silently become no name.
        if (filtered.empty() && !row.fields[kCsvName].empty())
            return Refusal(row, kCsvName, Translate("exchange", kEmptyNameMessage));
        record.set_name(filtered);
    }

    // The dialog's order: every PID must be a number before any range is judged. A value
    // the channel already holds is kept even outside the range, as it was not entered.
    struct Pid {
        int column;
        int control;
        uint16_t current;
        int value = 0;
    };
    std::array<Pid, 3> pids = {{{kCsvPcrPid, kIdPcrPid, record.pcr_pid()},
                                {kCsvTtxPid, kIdTtxPid, record.ttx_pid()},
                                {kCsvVideoPid, kIdVideoPid, record.video_pid()}}};
    for (Pid& pid : pids) {
        if (auto refusal = CheckIntegerField(pid.control, row.fields[pid.column], pid.value))
            return Refusal(row, pid.column, refusal->message);
    }
    for (Pid& pid : pids) {
        if (pid.value == pid.current) continue;
        if (auto refusal =
                CheckIntegerField(pid.control, row.fields[pid.column], pid.value, 1, kNoVideoPid))
            return Refusal(row, pid.column, refusal->message);
    }
    const Pid& video = pids[2];
    if (video.value != video.current) {
        if (row.radio) return Refusal(row, kCsvVideoPid, Translate("exchange", kRadioVideoMessage));
        record.set_video_pid(static_cast<uint16_t>(video.value));
        record.set_radio_flag(video.value == kNoVideoPid ? 1u : 0u);
    }
    record.set_pcr_pid(static_cast<uint16_t>(pids[0].value));
    record.set_ttx_pid(static_cast<uint16_t>(pids[1].value));

    std::array<bool, 2 + FavouriteGroups::kGroups> flags{};
    for (int c = kCsvScrambled; c < kCsvColumnCount; ++c) {
        std::string_view text = row.fields[c];
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
        if (text != "0" && text != "1")
            return Refusal(row, c, Translate("exchange", kNotAFlagMessage));
        flags[c - kCsvScrambled] = text == "1";
    }
    record.set_fta(flags[0] ? 0u : 1u);
    record.set_locked(flags[1] ? 1u : 0u);
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) record.set_fav(g, flags[2 + g]);
    return std::nullopt;
}

// The table ordered as its rows name its channels, the others after them in their order;
// returns the old position of each new one.
std::vector<int> Reorder(Database& db, bool radio, const std::vector<int>& listed) {
    auto& table = db.channels(radio);
    const int count = db.channel_count(radio);
    std::vector<bool> is_listed(count, false);
    std::vector<int> order = listed;
    for (int p : listed) is_listed[p] = true;
    for (int p = 0; p < count; ++p) {
        if (!is_listed[p]) order.push_back(p);
    }
    std::vector<Channel> old(table.begin(), table.begin() + count);
    for (int i = 0; i < count; ++i) table[i] = old[order[i]];
    return order;
}

// Marks the old positions of one longest run of `order` (old positions in their new
// order) that kept their relative order; the others are the fewest that moved.
// Patience sorting, O(n log n).
std::vector<bool> KeptInOrder(const std::vector<int>& order) {
    std::vector<int> tails;  // index into `order` of the smallest tail of each run length
    std::vector<int> previous(order.size(), -1);
    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), order[i],
                                         [&order](int t, int value) { return order[t] < value; });
        if (at != tails.begin()) previous[i] = *(at - 1);
        if (at == tails.end()) {
            tails.push_back(i);
        } else {
            *at = i;
        }
    }
    std::vector<bool> kept(order.size(), false);
    for (int i = tails.empty() ? -1 : tails.back(); i >= 0; i = previous[i]) kept[order[i]] = true;
    return kept;
}

// The changes of one table, `before` holding its old records.
void CountChanges(const Database& db, bool radio, const std::vector<Channel>& before,
                  const std::vector<int>& order, CsvEditsResult& result) {
    const std::vector<bool> kept = KeptInOrder(order);
    const auto& table = db.channels(radio);
    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
        const Channel& old = before[order[i]];
        // The whole name field as it was, bytes after the end of the name too.
        Channel renamed_back = table[i];
        Channel old_copy = old;
        std::memcpy(renamed_back.name_field(), old_copy.name_field(), Channel::kNameSize);
        CsvEditChange change{radio, order[i],       i, Latin1ToUtf8(old.name()), {},
                             false, !kept[order[i]]};
        change.renamed = table[i].name() != old.name();
        change.other = std::memcmp(&renamed_back, &old, sizeof(Channel)) != 0;
        if (!change.renamed && !change.moved && !change.other) continue;
        change.name = change.renamed ? Latin1ToUtf8(table[i].name()) : change.old_name;
        change.looks_converted =
            change.renamed && LooksConvertedBySpreadsheet(change.old_name, change.name);
        CsvEditsSummary& s = result.summary;
        s.renamed += change.renamed;
        s.moved += change.moved;
        s.other += !change.renamed && !change.moved && change.other;
        s.looks_converted += change.looks_converted;
        result.changes.push_back(std::move(change));
    }
}

std::vector<Channel> UsedRecords(const Database& db, bool radio) {
    const auto& table = db.channels(radio);
    return std::vector<Channel>(table.begin(), table.begin() + db.channel_count(radio));
}

bool SameRecords(const Database& db, bool radio, const std::vector<Channel>& records) {
    return std::memcmp(db.channels(radio).data(), records.data(),
                       records.size() * sizeof(Channel)) == 0;
}

}  // namespace

std::string SummaryLine(const CsvEditsSummary& summary) {
    return Fill(VT_TR("exchange", "%1 channels renamed, %2 moved, %3 with other changes"),
                {std::to_string(summary.renamed), std::to_string(summary.moved),
                 std::to_string(summary.other)});
}

std::string ConvertedNamesLine(int count) {
    return Fill(VT_TR("exchange", "%1 names look converted by a spreadsheet"),
                {std::to_string(count)});
}

CsvEditsResult ApplyCsvEdits(Database& db, const CsvInput& input) {
    CsvEditsResult result;
    // Everything is checked, row by row as read, before the first byte changes. Each row
    // must name a channel of its own, so at most one row per channel is kept.
    std::array<KeyIndex, 2> keys = {KeyIndex(db, false), KeyIndex(db, true)};
    std::vector<Edit> edits;
    const CsvReadOutcome read =
        ReadChannelCsv(input, [&](ChannelCsvRow& row) -> std::optional<std::string> {
            const int p = keys[row.radio].Take(row.key());
            if (p == KeyIndex::kNoChannel)
                return Refusal(row, kCsvServiceNumber,
                               Fill(row.radio ? VT_TR("exchange", "No radio channel has %1.")
                                              : VT_TR("exchange", "No TV channel has %1."),
                                    {KeyText(row)}));
            if (p == KeyIndex::kSeveral)
                return Refusal(
                    row, kCsvServiceNumber,
                    Fill(row.radio ? VT_TR("exchange",
                                           "More than one radio channel has %1, so the row could "
                                           "change either.")
                                   : VT_TR("exchange",
                                           "More than one TV channel has %1, so the row could "
                                           "change either."),
                         {KeyText(row)}) +
                        " " + Translate("exchange", kCollisionMessage));
            if (p == KeyIndex::kTaken) {
                // The earlier row of the same key, for the user to find.
                int earlier = 0;
                for (const Edit& e : edits) {
                    if (e.radio == row.radio && e.key == row.key()) earlier = e.line;
                }
                return Refusal(row, kCsvServiceNumber,
                               Fill(VT_TR("exchange", "The channel with %1 is already on line %2."),
                                    {KeyText(row), std::to_string(earlier)}));
            }
            // Only what the later steps need is kept of the row; its fields are let go.
            Edit edit{row.radio, row.key(), row.line(), {}, p, db.channels(row.radio)[p]};
            if (auto refusal = EditRecord(row, edit.record)) return refusal;
            std::copy_n(row.lines.begin() + kCsvFav1, FavouriteGroups::kGroups,
                        edit.favourite_lines.begin());
            edits.push_back(edit);
            return std::nullopt;
        });
    result.opened = read.opened;
    if (!read.opened || read.refusal) {
        result.refusal = read.refusal;
        return result;
    }

    // A favourite group can still be full; keep what is needed to undo everything then.
    const std::array<std::vector<Channel>, 2> before = {UsedRecords(db, false),
                                                        UsedRecords(db, true)};
    const auto favourites_before = std::make_unique<FavouriteGroups>(db.favourites);

    // Cleared marks leave their groups before new marks enter, so that a group freed by
    // the file has room for what the file adds.
    for (const Edit& e : edits) {
        const Channel& stored = db.channels(e.radio)[e.position];
        for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
            if (stored.fav(g) && !e.record.fav(g)) RemoveFavouriteKey(db, g, stored.key(), e.radio);
        }
    }
    for (const Edit& e : edits) {
        const Channel& stored = db.channels(e.radio)[e.position];
        for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
            if (stored.fav(g) || !e.record.fav(g)) continue;
            if (AddFavouriteKey(db, g, stored.key(), e.radio) != 1) {
                db.favourites = *favourites_before;
                result.refusal =
                    Fill(VT_TR("exchange", "line %1, column %2"),
                         {std::to_string(e.favourite_lines[g]), kCsvColumns[kCsvFav1 + g]}) +
                    ": " + Translate("channels", kFavouriteFullMessage.data());
                return result;
            }
        }
    }

    std::array<std::vector<int>, 2> listed;
    for (const Edit& e : edits) {
        db.channels(e.radio)[e.position] = e.record;
        listed[e.radio].push_back(e.position);
    }
    for (bool radio : {false, true})
        CountChanges(db, radio, before[radio], Reorder(db, radio, listed[radio]), result);
    std::stable_partition(result.changes.begin(), result.changes.end(),
                          [](const CsvEditChange& c) { return c.looks_converted; });

    result.changed = !SameRecords(db, false, before[0]) || !SameRecords(db, true, before[1]) ||
                     db.favourites.bytes != favourites_before->bytes;
    return result;
}

}  // namespace velmora
