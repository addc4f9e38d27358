#include "compare/CompareRows.h"

#include <functional>

#include "channels/ChannelSorts.h"
#include "database/NameLists.h"

namespace velmora {
namespace {

std::string Position(const Satellite& s) {
    const int angle = s.angle();
    return std::to_string(angle / 100) + "." + std::to_string(angle % 100 / 10) +
           (s.west() ? "W" : "E");
}

std::string SatelliteText(const Database& db, int i) {
    const Satellite& s = db.satellites[i];
    return std::to_string(i + 1) + " " + s.name() + " (" + Position(s) + ")";
}

std::string TransponderText(const Database& db, int i) {
    const Transponder& t = db.transponders[i];
    std::string text = std::to_string(t.frequency()) + " " +
                       std::string(kPolarisationNames[t.polarisation()]) + " " +
                       std::to_string(t.symbol_rate());
    if (t.satellite() < db.sat_count()) text += " on " + db.satellites[t.satellite()].name();
    return text;
}

std::string ChannelText(const Database& db, bool radio, int i) {
    return std::to_string(i + 1) + " " + db.channels(radio)[i].name();
}

std::string Joined(const std::vector<std::string>& fields) {
    std::string out;
    for (const std::string& f : fields) out += (out.empty() ? "" : ", ") + f;
    return out;
}

template <typename Text>
void AddSection(std::vector<CompareRow>& rows, CompareSection section, const SectionDiff& d,
                Text text_here, Text text_there) {
    for (int i : d.only_a)
        rows.push_back({section, CompareStatus::OnlyHere, i, -1, text_here(i), "", "", {}});
    for (int j : d.only_b)
        rows.push_back({section, CompareStatus::OnlyThere, -1, j, "", text_there(j), "", {}});
    for (const ChangedRecord& c : d.changed) {
        rows.push_back({section, CompareStatus::Changed, c.a, c.b, text_here(c.a), text_there(c.b),
                        Joined(c.fields), c.fields});
    }
    if (!d.same_order) {
        rows.push_back({section, CompareStatus::Changed, -1, -1, "", "", "order", {}});
    }
}

}  // namespace

std::string_view SectionName(CompareSection section) {
    static constexpr std::string_view kNames[] = {"Satellites", "Transponders", "TV", "Radio",
                                                  "Settings"};
    return kNames[static_cast<int>(section)];
}

std::string_view StatusName(CompareStatus status) {
    static constexpr std::string_view kNames[] = {"only here", "only there", "changed"};
    return kNames[static_cast<int>(status)];
}

std::vector<CompareRow> BuildCompareRows(const Database& here, const Database& there,
                                         const DatabaseDiff& diff) {
    std::vector<CompareRow> rows;
    using Text = std::function<std::string(int)>;
    AddSection<Text>(
        rows, CompareSection::Satellites, diff.satellites,
        [&](int i) { return SatelliteText(here, i); },
        [&](int j) { return SatelliteText(there, j); });
    AddSection<Text>(
        rows, CompareSection::Transponders, diff.transponders,
        [&](int i) { return TransponderText(here, i); },
        [&](int j) { return TransponderText(there, j); });
    for (bool radio : {false, true}) {
        AddSection<Text>(
            rows, radio ? CompareSection::Radio : CompareSection::Tv, diff.channels(radio),
            [&](int i) { return ChannelText(here, radio, i); },
            [&](int j) { return ChannelText(there, radio, j); });
    }
    for (const std::string& field : diff.settings_changed)
        rows.push_back(
            {CompareSection::Settings, CompareStatus::Changed, -1, -1, "", "", field, {field}});
    for (int g : diff.favourite_names_changed) {
        const std::string field = "fav_names[" + std::to_string(g) + "]";
        rows.push_back({CompareSection::Settings,
                        CompareStatus::Changed,
                        g,
                        g,
                        here.settings.fav_name(g),
                        there.settings.fav_name(g),
                        field,
                        {field}});
    }
    return rows;
}

bool RowMatches(const CompareRow& row, const CompareFilter& filter) {
    if (filter.section && *filter.section != row.section) return false;
    if (filter.status && *filter.status != row.status) return false;
    if (filter.text.empty()) return true;
    const std::string needle = UpperLatin1(filter.text);
    for (const std::string* text : {&row.here_text, &row.there_text, &row.fields}) {
        if (UpperLatin1(*text).find(needle) != std::string::npos) return true;
    }
    return false;
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
