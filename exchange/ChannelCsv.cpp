#include "exchange/ChannelCsv.h"

#include <algorithm>
#include <vector>

#include "database/FieldChecks.h"
#include "database/Latin1.h"
#include "exchange/CsvText.h"
#include "satellites/TreeLabels.h"
#include "text/Translate.h"

namespace velmora {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Table position of the transponder of each tp_id, -1 for ids no transponder carries:
// one pass instead of a search per channel.
std::vector<int> TransponderIndexById(const Database& db) {
    std::vector<int> index(0x10000, -1);
    for (int i = db.tp_count() - 1; i >= 0; --i) index[db.transponders[i].tp_id()] = i;
    return index;
}

void AppendTable(std::string& out, const Database& db, bool radio, const std::vector<int>& tp_index,
                 std::vector<std::string>& fields) {
    const auto& table = db.channels(radio);
    for (int i = 0; i < db.channel_count(radio); ++i) {
        const Channel& ch = table[i];
        for (auto& f : fields) f.clear();
        fields[kCsvTable] = radio ? "radio" : "tv";
        fields[kCsvIndex] = std::to_string(i + 1);
        fields[kCsvName] = Latin1ToUtf8(ch.name());
        if (const int t = tp_index[ch.tp_id()]; t >= 0) {
            const Transponder& tp = db.transponders[t];
            if (tp.satellite() < db.sat_count()) {
                const Satellite& sat = db.satellites[tp.satellite()];
                fields[kCsvSatellite] = Latin1ToUtf8(sat.name());
                fields[kCsvPosition] = OrbitalPosition(sat);
            }
            fields[kCsvFrequency] = std::to_string(tp.frequency());
            fields[kCsvPolarisation] = tp.polarisation() ? "V" : "H";
            fields[kCsvSymbolRate] = std::to_string(tp.symbol_rate());
        }
        fields[kCsvTpId] = std::to_string(ch.tp_id());
        fields[kCsvServiceNumber] = std::to_string(ch.service_number());
        fields[kCsvVideoPid] = std::to_string(ch.video_pid());
        if (ch.audio_count() > 0) fields[kCsvAudioPid] = std::to_string(ch.audio_entry(0).pid);
        fields[kCsvPcrPid] = std::to_string(ch.pcr_pid());
        fields[kCsvTtxPid] = std::to_string(ch.ttx_pid());
        fields[kCsvScrambled] = ch.fta() ? "0" : "1";
        fields[kCsvLocked] = ch.locked() ? "1" : "0";
        for (int g = 0; g < FavouriteGroups::kGroups; ++g)
            fields[kCsvFav1 + g] = ch.fav(g) ? "1" : "0";
        AppendCsvRecord(out, fields);
    }
}

bool AllEmpty(const CsvRecord& record) {
    for (const std::string& f : record.fields) {
        if (!f.empty()) return false;
    }
    return true;
}

std::string HeaderText() {
    std::string text;
    for (std::string_view c : kCsvColumns) text += std::string(text.empty() ? "" : ",") += c;
    return text;
}

// "line 3: The first line must be the header table,index,..."
std::string HeaderRefusal(int line) {
    return Fill(VT_TR("exchange", "line %1: %2"),
                {std::to_string(line),
                 Fill(VT_TR("exchange", "The first line must be the header %1."), {HeaderText()})});
}

}  // namespace

std::string ChannelsCsv(const Database& db, ChannelTables tables, bool bom) {
    std::string out;
    out.reserve(128 * (db.tv_count() + db.radio_count() + 1));
    if (bom) out.append(kBom);
    std::vector<std::string> fields(kCsvColumns.begin(), kCsvColumns.end());
    AppendCsvRecord(out, fields);
    const std::vector<int> tp_index = TransponderIndexById(db);
    if (tables != ChannelTables::Radio) AppendTable(out, db, false, tp_index, fields);
    if (tables != ChannelTables::Tv) AppendTable(out, db, true, tp_index, fields);
    return out;
}

std::string ChannelCsvRow::Where(int column) const {
    //: Where a value is refused: "line 3, column tp_id"; %2 is the file's column name.
    return Fill(VT_TR("exchange", "line %1, column %2"),
                {std::to_string(lines[column]), kCsvColumns[column]});
}

CsvReadOutcome ReadChannelCsv(const CsvInput& input, const ChannelCsvRowHandler& on_row) {
    bool header_seen = false;
    CsvInput with_separator = input;
    with_separator.separator_from_header = true;
    CsvReadOutcome outcome =
        ReadCsv(with_separator, [&](CsvRecord& record) -> std::optional<std::string> {
            if (AllEmpty(record)) return std::nullopt;
            if (!header_seen) {
                if (!std::equal(record.fields.begin(), record.fields.end(), kCsvColumns.begin(),
                                kCsvColumns.end()))
                    return HeaderRefusal(record.line());
                header_seen = true;
                return std::nullopt;
            }
            if (record.fields.size() != kCsvColumnCount) {
                return Fill(VT_TR("exchange", "line %1: %2"),
                            {std::to_string(record.line()),
                             Fill(VT_TR("exchange", "The line has %1 fields; the header names %2."),
                                  {std::to_string(record.fields.size()),
                                   std::to_string(kCsvColumnCount)})});
            }
            ChannelCsvRow row;
            for (int c = 0; c < kCsvColumnCount; ++c) {
                row.fields[c] = std::move(record.fields[c]);
                row.lines[c] = record.lines[c];
            }
            const std::string& table = row.fields[kCsvTable];
            if (table != "tv" && table != "radio")
                //: "tv" and "radio" are the values the column takes: keep them.
                return row.Where(kCsvTable) + ": " + VT_TR("exchange", "Please enter tv or radio.");
            row.radio = table == "radio";
            for (int c : {kCsvTpId, kCsvServiceNumber}) {
                int value = 0;
                if (auto refusal = CheckIntegerField(c, row.fields[c], value, 0, 0xFFFF))
                    return row.Where(c) + ": " + refusal->message;
                (c == kCsvTpId ? row.tp_id : row.service_number) = static_cast<uint16_t>(value);
            }
            return on_row(row);
        });
    if (outcome.opened && !outcome.refusal && !header_seen) outcome.refusal = HeaderRefusal(1);
    return outcome;
}

ChannelCsvRows ReadChannelCsv(std::string_view text) {
    ChannelCsvRows out;
    out.refusal = ReadChannelCsv(CsvInput{text, {}}, [&out](ChannelCsvRow& row) {
                      out.rows.push_back(std::move(row));
                      return std::optional<std::string>();
                  }).refusal;
    return out;
}

}  // namespace velmora
