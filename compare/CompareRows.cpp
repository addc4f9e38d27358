#include "compare/CompareRows.h"

#include <algorithm>
#include <functional>

#include "channels/ChannelSorts.h"
#include "database/Latin1.h"
#include "database/NameLists.h"
#include "text/Translate.h"

namespace velmora {
namespace {

std::string Position(const Satellite& s) {
    const int angle = s.angle();
    return std::to_string(angle / 100) + "." + std::to_string(angle % 100 / 10) +
           (s.west() ? "W" : "E");
}

std::string SatelliteText(const Database& db, int i) {
    const Satellite& s = db.satellites[i];
    return std::to_string(i + 1) + " " + Latin1ToUtf8(s.name()) + " (" + Position(s) + ")";
}

std::string ChannelText(const Database& db, bool radio, int i) {
    return std::to_string(i + 1) + " " + Latin1ToUtf8(db.channels(radio)[i].name());
}

std::string Joined(const std::vector<std::string>& fields) {
    std::string out;
    for (const std::string& f : fields) out += (out.empty() ? "" : ", ") + f;
    return out;
}

// Upper case for a search that ignores it: ASCII and the letters of ISO-8859-1 in UTF-8
// (U+00E0-U+00FE but U+00F7 are two bytes, 0xC3 then 0xA0-0xBE, 0x20 above their capitals).
std::string UpperUtf8(std::string_view text) {
    std::string upper(text);
    for (size_t i = 0; i < upper.size(); ++i) {
        const auto b = static_cast<uint8_t>(upper[i]);
        if (b >= 'a' && b <= 'z') {
            upper[i] = static_cast<char>(b - 0x20);
        } else if (b == 0xC3 && i + 1 < upper.size()) {
            const auto next = static_cast<uint8_t>(upper[++i]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7)
                upper[i] = static_cast<char>(next - 0x20);
        }
    }
    return upper;
}

using Text = std::function<std::string(int)>;
using Words = std::function<std::vector<ReadableChange>(const ChangedRecord&)>;

void AddSection(std::vector<CompareRow>& rows, CompareSection section, const SectionDiff& d,
                const Text& text_here, const Text& text_there, const Words& words) {
    for (int i : d.only_a)
        rows.push_back({section, CompareStatus::OnlyHere, i, -1, text_here(i), "", "", {}});
    for (int j : d.only_b)
        rows.push_back({section, CompareStatus::OnlyThere, -1, j, "", text_there(j), "", {}});
    for (const ChangedRecord& c : d.changed) {
        rows.push_back({section, CompareStatus::Changed, c.a, c.b, text_here(c.a), text_there(c.b),
                        Joined(c.fields), c.fields, words(c)});
    }
    if (!d.same_order) {
        rows.push_back(
            {section, CompareStatus::Changed, -1, -1, "", "", VT_TR("compare", "order"), {}});
    }
}

}  // namespace

std::string_view SectionName(CompareSection section) {
    static constexpr std::string_view kNames[] = {
        VT_TR_NOOP("compare", "Satellites"), VT_TR_NOOP("compare", "Transponders"),
        VT_TR_NOOP("compare", "TV"), VT_TR_NOOP("compare", "Radio"),
        VT_TR_NOOP("compare", "Settings")};
    return kNames[static_cast<int>(section)];
}

std::string_view StatusName(CompareStatus status) {
    static constexpr std::string_view kNames[] = {VT_TR_NOOP("compare", "only here"),
                                                  VT_TR_NOOP("compare", "only there"),
                                                  VT_TR_NOOP("compare", "changed")};
    return kNames[static_cast<int>(status)];
}

std::vector<CompareRow> BuildCompareRows(const Database& here, const Database& there,
                                         const DatabaseDiff& diff) {
    std::vector<CompareRow> rows;
    AddSection(
        rows, CompareSection::Satellites, diff.satellites,
        [&](int i) { return SatelliteText(here, i); },
        [&](int j) { return SatelliteText(there, j); },
        [&](const ChangedRecord& c) { return SatelliteChanges(here, there, c); });
    AddSection(
        rows, CompareSection::Transponders, diff.transponders,
        [&](int i) { return TransponderWords(here, i); },
        [&](int j) { return TransponderWords(there, j); },
        [&](const ChangedRecord& c) { return TransponderChanges(here, there, c); });
    for (bool radio : {false, true}) {
        AddSection(
            rows, radio ? CompareSection::Radio : CompareSection::Tv, diff.channels(radio),
            [&](int i) { return ChannelText(here, radio, i); },
            [&](int j) { return ChannelText(there, radio, j); },
            [&](const ChangedRecord& c) { return ChannelChanges(here, there, radio, c); });
    }
    for (const std::string& field : diff.settings_changed) {
        rows.push_back({CompareSection::Settings,
                        CompareStatus::Changed,
                        -1,
                        -1,
                        "",
                        "",
                        field,
                        {field},
                        SettingChanges(here.settings, there.settings, field)});
    }
    for (int g : diff.favourite_names_changed) {
        const std::string field = "fav_names[" + std::to_string(g) + "]";
        rows.push_back({CompareSection::Settings,
                        CompareStatus::Changed,
                        g,
                        g,
                        Latin1ToUtf8(here.settings.fav_name(g)),
                        Latin1ToUtf8(there.settings.fav_name(g)),
                        field,
                        {field},
                        {FavouriteNameChange(here.settings, there.settings, g)}});
    }
    return rows;
}

bool RowMatches(const CompareRow& row, const CompareFilter& filter) {
    if (filter.section && *filter.section != row.section) return false;
    if (filter.status && *filter.status != row.status) return false;
    if (filter.text.empty()) return true;
    const std::string needle = UpperUtf8(filter.text);
    auto found = [&](const std::string& text) {
        return UpperUtf8(text).find(needle) != std::string::npos;
    };
    if (found(row.here_text) || found(row.there_text) || found(row.fields)) return true;
    return std::any_of(row.changes.begin(), row.changes.end(), [&](const ReadableChange& c) {
        return found(c.label) || found(c.here) || found(c.there);
    });
}

CopySelection CopySelectionOf(const std::vector<CompareRow>& rows, const std::vector<int>& chosen,
                              std::string_view field) {
    CopySelection s;
    for (int r : chosen) {
        if (r < 0 || r >= static_cast<int>(rows.size())) continue;
        const CompareRow& row = rows[r];
        if (row.status == CompareStatus::Changed) {
            FieldCopy copy{row.section, row.here, row.there, {}};
            for (const std::string& f : row.field_names) {
                if (IsCopyableField(f) && (field.empty() || f == field)) copy.fields.push_back(f);
            }
            if (!copy.fields.empty()) s.fields.push_back(std::move(copy));
            continue;
        }
        if (row.status != CompareStatus::OnlyThere) continue;
        switch (row.section) {
            case CompareSection::Satellites:
                s.satellites.push_back(row.there);
                break;
            case CompareSection::Transponders:
                s.transponders.push_back(row.there);
                break;
            case CompareSection::Tv:
                s.tv.push_back(row.there);
                break;
            case CompareSection::Radio:
                s.radio.push_back(row.there);
                break;
            case CompareSection::Settings:
                break;
        }
    }
    return s;
}

std::string_view CopyRefusal(const std::vector<CompareRow>& rows, const std::vector<int>& chosen) {
    if (!CopySelectionOf(rows, chosen).empty()) return {};
    // The most telling reason among the rows chosen.
    std::string_view reason = kCopyNothingSelected;
    for (int r : chosen) {
        if (r < 0 || r >= static_cast<int>(rows.size())) continue;
        const CompareRow& row = rows[r];
        if (row.status == CompareStatus::OnlyHere && reason == kCopyNothingSelected)
            reason = kCopyOnlyHere;
        else if (row.status == CompareStatus::Changed && row.field_names.empty())
            reason = kCopyOrder;
        else if (row.status == CompareStatus::Changed)
            return kCopyParent;
    }
    return reason;
}

}  // namespace velmora
