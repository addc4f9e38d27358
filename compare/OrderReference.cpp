#include "compare/OrderReference.h"

#include <csv.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "compare/NameList.h"
#include "database/CVelmoraDoc.h"
#include "database/DatabaseFile.h"
#include "database/Latin1.h"
#include "database/Upkeep.h"

namespace velmora {
namespace {

constexpr uint16_t kNoTransponder = 0xFFFF;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool EndsWithIgnoringCase(const std::string& text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(),
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

std::optional<unsigned> Number(std::string_view field) {
    unsigned v = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), v);
    if (error != std::errc() || end != field.data() + field.size() || v > 0xFFFF)
        return std::nullopt;
    return v;
}

// "19.2E" as the tree shows it: hundredths of a degree and the west flag.
std::optional<std::pair<uint16_t, bool>> Position(std::string_view field) {
    if (field.size() < 2) return std::nullopt;
    const char side = static_cast<char>(std::toupper(static_cast<unsigned char>(field.back())));
    if (side != 'E' && side != 'W') return std::nullopt;
    double degrees = 0;
    const std::string digits(field.substr(0, field.size() - 1));
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), degrees);
    if (error != std::errc() || end != digits.data() + digits.size() || degrees < 0 ||
        degrees > 180)
        return std::nullopt;
    return std::pair{static_cast<uint16_t>(std::lround(degrees * 100)), side == 'W'};
}

// The records read by libcsv: one vector of fields per row.
struct CsvRows {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
};

void OnField(void* field, size_t size, void* data) {
    static_cast<CsvRows*>(data)->row.emplace_back(static_cast<const char*>(field), size);
}

void OnRowEnd(int, void* data) {
    auto* rows = static_cast<CsvRows*>(data);
    rows->rows.push_back(std::move(rows->row));
    rows->row.clear();
}

std::optional<std::vector<std::vector<std::string>>> ParseCsv(std::string_view text) {
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL) != 0) return std::nullopt;
    CsvRows rows;
    const bool parsed =
        csv_parse(&parser, text.data(), text.size(), OnField, OnRowEnd, &rows) == text.size() &&
        csv_fini(&parser, OnField, OnRowEnd, &rows) == 0;
    csv_free(&parser);
    if (!parsed) return std::nullopt;
    return std::move(rows.rows);
}

OrderReference Refuse(std::string problem) {
    return OrderReference{nullptr, std::move(problem)};
}

std::unique_ptr<Database> EmptyReference() {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    return db;
}

bool AppendReferenceChannel(Database& db, bool radio, const Channel& ch) {
    const int n = db.channel_count(radio);
    if (n >= kMaxChannels) return false;
    db.channels(radio)[n] = ch;
    db.set_channel_count(radio, n + 1);
    return true;
}

}  // namespace

std::string Latin1FromInput(std::string_view text) {
    // Text that is not UTF-8 of ISO-8859-1 characters is taken as ISO-8859-1 already.
    return Utf8ToLatin1(text).value_or(std::string(text));
}

OrderReference ReferenceFromExportCsv(std::string_view text) {
    const auto rows = ParseCsv(WithoutByteOrderMark(text));
    if (!rows || rows->empty()) return Refuse(std::string(kNotChannelExport));
    std::string header;
    for (const std::string& field : rows->front()) header += (header.empty() ? "" : ",") + field;
    if (header != kChannelExportHeader) return Refuse(std::string(kNotChannelExport));

    enum Column {
        kTable,
        kIndex,
        kName,
        kSatellite,
        kPosition,
        kFrequency,
        kPolarisation,
        kSymbolRate,
        kTpId,
        kServiceNumber,
        kVideoPid,
        kAudioPid,
        kPcrPid,
        kTtxPid
    };
    auto db = EmptyReference();
    std::map<std::tuple<std::string, uint16_t, bool>, int> satellites;
    std::map<std::tuple<int, unsigned, unsigned, unsigned>, int> transponders;
    for (size_t r = 1; r < rows->size(); ++r) {
        const std::vector<std::string>& row = (*rows)[r];
        if (row.size() == 1 && row[0].empty()) continue;  // a blank line
        const std::string line = "line " + std::to_string(r + 1) + ": ";
        if (row.size() < kTtxPid + 1)
            return Refuse(line + "expected " + std::to_string(kTtxPid + 1) + " columns or more");
        if (row[kTable] != "tv" && row[kTable] != "radio")
            return Refuse(line + "the table must be tv or radio");
        const bool radio = row[kTable] == "radio";

        // The channel's satellite and transponder, made once for every row naming them.
        int satellite = -1;
        if (const auto position = Position(row[kPosition])) {
            const std::string name = Latin1FromInput(row[kSatellite]);
            const auto key = std::tuple{name, position->first, position->second};
            const auto it = satellites.find(key);
            if (it != satellites.end()) {
                satellite = it->second;
            } else if (db->sat_count() < kMaxSatellites) {
                satellite = db->sat_count();
                Satellite& s = db->satellites[satellite];
                s.set_name(name);
                s.set_angle(position->first);
                s.set_west(position->second);
                db->set_sat_count(satellite + 1);
                satellites.emplace(key, satellite);
            }
        }
        uint16_t tp_id = kNoTransponder;
        const auto frequency = Number(row[kFrequency]);
        const auto symbol_rate = Number(row[kSymbolRate]);
        const std::string& pol = row[kPolarisation];
        if (satellite >= 0 && frequency && symbol_rate && (pol == "H" || pol == "V")) {
            const unsigned polarisation = pol == "V" ? 1 : 0;
            const auto key = std::tuple{satellite, *frequency, polarisation, *symbol_rate};
            const auto it = transponders.find(key);
            if (it != transponders.end()) {
                tp_id = static_cast<uint16_t>(it->second);
            } else if (db->tp_count() < kMaxTransponders) {
                const int t = db->tp_count();
                Transponder& tp = db->transponders[t];
                tp.set_frequency(static_cast<uint16_t>(*frequency));
                tp.set_symbol_rate(static_cast<uint16_t>(*symbol_rate));
                tp.set_polarisation(static_cast<uint8_t>(polarisation));
                tp.set_satellite(static_cast<uint8_t>(satellite));
                tp.set_tp_id(static_cast<uint16_t>(t));
                db->set_tp_count(t + 1);
                transponders.emplace(key, t);
                tp_id = static_cast<uint16_t>(t);
            }
        }
        Channel ch;
        ch.set_name(Latin1FromInput(row[kName]));
        ch.set_tp_id(tp_id);
        ch.set_video_pid(static_cast<uint16_t>(Number(row[kVideoPid]).value_or(0)));
        ch.set_pcr_pid(static_cast<uint16_t>(Number(row[kPcrPid]).value_or(0)));
        ch.set_ttx_pid(static_cast<uint16_t>(Number(row[kTtxPid]).value_or(0)));
        ch.set_service_number(static_cast<uint16_t>(Number(row[kServiceNumber]).value_or(0)));
        if (const auto audio = Number(row[kAudioPid])) {
            ch.set_audio_count(1);
            ch.set_plain_audio_pid(0, static_cast<uint16_t>(*audio));
        }
        if (!AppendReferenceChannel(*db, radio, ch))
            return Refuse(line + "more than " + std::to_string(kMaxChannels) + " channels");
    }
    return OrderReference{std::move(db), {}};
}

OrderReference ReferenceFromNameList(std::string_view text) {
    auto db = EmptyReference();
    const std::string latin1 = Latin1FromInput(WithoutByteOrderMark(text));
    std::string_view rest = latin1;
    // Names before any section order both tables; after "[TV]" or "[Radio]" only that one.
    bool to_table[2] = {true, true};
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
            line.remove_suffix(1);
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
            line.remove_prefix(1);
        if (line.empty()) continue;
        if (const std::optional<bool> radio = NameListSection(line)) {
            to_table[0] = !*radio;
            to_table[1] = *radio;
            continue;
        }
        Channel ch;
        ch.set_name(line);
        ch.set_tp_id(kNoTransponder);
        // Past a full table the rest of its names can order nothing more.
        for (bool radio : {false, true}) {
            if (to_table[radio]) AppendReferenceChannel(*db, radio, ch);
        }
    }
    if (db->tv_count() == 0 && db->radio_count() == 0) return Refuse(std::string(kNoNamesInList));
    return OrderReference{std::move(db), {}};
}

OrderReference LoadOrderReference(const std::string& path) {
    if (EndsWithIgnoringCase(path, ".sdx")) {
        auto db = std::make_unique<Database>();
        switch (LoadDatabaseFile(*db, path, FileAccess::ReadOnly)) {
            case OpenResult::Ok:
                return OrderReference{std::move(db), {}};
            case OpenResult::CannotOpen:
                return Refuse(std::string(kMsgCannotOpen));
            case OpenResult::NotValid:
                return Refuse(std::string(kMsgNotValid));
        }
    }
    const auto text = ReadInputFile(path);
    if (!text) return Refuse(std::string(kMsgCannotOpen));
    return EndsWithIgnoringCase(path, ".csv") ? ReferenceFromExportCsv(*text)
                                              : ReferenceFromNameList(*text);
}

}  // namespace velmora
