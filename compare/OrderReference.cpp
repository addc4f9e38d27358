#include "compare/OrderReference.h"

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
#include "exchange/CsvText.h"
#include "text/Translate.h"

namespace velmora {
namespace {

constexpr uint16_t kNoTransponder = 0xFFFF;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr const char* kNotText = VT_TR_NOOP(
    "compare", "The list is not text: save it as UTF-8, or as UTF-16 with a byte-order mark.");
// No name comes near this; the rest of a longer line is not kept.
constexpr size_t kMaxNameLineBytes = 1024;

bool EndsWithIgnoringCase(const std::string& text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(),
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); });
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

void AppendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A list of names read in pieces, one name per line (LF, CRLF or CR): UTF-8 or
// ISO-8859-1, or UTF-16 after its byte-order mark. It holds one line at a time and stops
// once the tables are full.
class NameListReader {
public:
    // False once nothing more can be taken (tables full, or the text is not text).
    bool Feed(std::string_view piece) {
        if (done_) return false;
        if (encoding_ == Encoding::Unknown) {
            const size_t wanted = std::min(piece.size(), kUtf8Mark.size() - head_.size());
            head_.append(piece.substr(0, wanted));
            piece.remove_prefix(wanted);
            if (head_.size() < kUtf8Mark.size()) return true;
            DecideEncoding();
        }
        Take(piece);
        return !done_;
    }

    OrderReference Finish() {
        if (encoding_ == Encoding::Unknown) DecideEncoding();
        EndLine();
        if (not_text_) return Refuse(Translate("compare", kNotText));
        if (db_->tv_count() == 0 && db_->radio_count() == 0)
            return Refuse(Translate("compare", kNoNamesInList.data()));
        return OrderReference{std::move(db_), {}};
    }

private:
    enum class Encoding { Unknown, Bytes, Utf16Le, Utf16Be };

    void DecideEncoding() {
        std::string_view head = head_;
        encoding_ = Encoding::Bytes;
        if (head.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
            head.remove_prefix(kUtf8Mark.size());
        } else if (head.substr(0, 2) == kUtf16LeMark || head.substr(0, 2) == kUtf16BeMark) {
            encoding_ = head.substr(0, 2) == kUtf16LeMark ? Encoding::Utf16Le : Encoding::Utf16Be;
            head.remove_prefix(2);
        }
        const std::string rest(head);
        Take(rest);
    }

    void Take(std::string_view piece) {
        for (const char c : piece) {
            if (done_) return;
            if (encoding_ == Encoding::Bytes) {
                // NUL bytes: UTF-16 without its mark, or no text at all.
                if (c == '\0') {
                    not_text_ = done_ = true;
                    return;
                }
                TakeCharacter(static_cast<unsigned char>(c), true);
                continue;
            }
            if (odd_byte_ < 0) {
                odd_byte_ = static_cast<unsigned char>(c);
                continue;
            }
            const auto b = static_cast<unsigned char>(c);
            const uint32_t unit =
                encoding_ == Encoding::Utf16Le ? (b << 8 | odd_byte_) : (odd_byte_ << 8 | b);
            odd_byte_ = -1;
            if (unit >= 0xD800 && unit < 0xDC00) {
                high_surrogate_ = unit;
                continue;
            }
            uint32_t code = unit;
            if (unit >= 0xDC00 && unit < 0xE000) {
                code = high_surrogate_
                           ? 0x10000 + ((high_surrogate_ - 0xD800) << 10) + (unit - 0xDC00)
                           : 0xFFFD;
            }
            high_surrogate_ = 0;
            TakeCharacter(code, false);
        }
    }

    // `code` is a byte of UTF-8 or ISO-8859-1 text when `raw`, else a code point.
    void TakeCharacter(uint32_t code, bool raw) {
        if (code == '\n' || code == '\r') {
            EndLine();
            return;
        }
        if (code == 0) {
            not_text_ = done_ = true;
            return;
        }
        if (line_.size() >= kMaxNameLineBytes) return;
        if (raw) {
            line_ += static_cast<char>(code);
        } else {
            AppendUtf8(line_, code);
        }
    }

    void EndLine() {
        const std::string latin1 = Latin1FromInput(line_);
        line_.clear();
        std::string_view name = latin1;
        while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back())))
            name.remove_suffix(1);
        while (!name.empty() && std::isspace(static_cast<unsigned char>(name.front())))
            name.remove_prefix(1);
        if (name.empty() || done_) return;
        // Names before any section order both tables; after "[TV]" or "[Radio]" only that one.
        if (const std::optional<bool> radio = NameListSection(name)) {
            to_table_[0] = !*radio;
            to_table_[1] = *radio;
            return;
        }
        Channel ch;
        ch.set_name(name);
        ch.set_tp_id(kNoTransponder);
        bool taken = false;
        for (bool radio : {false, true}) {
            if (to_table_[radio] && AppendReferenceChannel(*db_, radio, ch)) taken = true;
        }
        // Past full tables the rest of the list can order nothing more.
        if (!taken && to_table_[0] && to_table_[1]) done_ = true;
    }

    Encoding encoding_ = Encoding::Unknown;
    std::string head_;  // the first bytes, until the byte-order mark is known
    std::string line_;  // the line being read, as UTF-8 or ISO-8859-1 bytes
    int odd_byte_ = -1;
    uint32_t high_surrogate_ = 0;
    bool done_ = false;
    bool not_text_ = false;
    bool to_table_[2] = {true, true};
    std::unique_ptr<Database> db_ = EmptyReference();
};

}  // namespace

std::string Latin1FromInput(std::string_view text) {
    // Text that is not UTF-8 of ISO-8859-1 characters is taken as ISO-8859-1 already.
    return Utf8ToLatin1(text).value_or(std::string(text));
}

OrderReference ReferenceFromExportCsv(const CsvInput& input) {
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
    bool header_seen = false;
    // Each row becomes a channel of the reference as it is read: what is held is bounded
    // by the tables, whatever the length of the file.
    const auto take_row = [&](CsvRecord& record) -> std::optional<std::string> {
        const std::vector<std::string>& row = record.fields;
        if (!header_seen) {
            std::string header;
            for (const std::string& field : row) header += (header.empty() ? "" : ",") + field;
            if (header != kChannelExportHeader)
                return Translate("compare", kNotChannelExport.data());
            header_seen = true;
            return std::nullopt;
        }
        if (row.size() == 1 && row[0].empty()) return std::nullopt;  // a blank line
        const std::string line = std::to_string(record.line());
        if (row.size() < kTtxPid + 1) {
            return Fill(VT_TR("compare", "line %1: expected %2 columns or more"),
                        {line, std::to_string(kTtxPid + 1)});
        }
        if (row[kTable] != "tv" && row[kTable] != "radio")
            return Fill(VT_TR("compare", "line %1: the table must be tv or radio"), {line});
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
            return Fill(VT_TR("compare", "line %1: more than %2 channels"),
                        {line, std::to_string(kMaxChannels)});
        return std::nullopt;
    };
    CsvInput with_separator = input;
    with_separator.separator_from_header = true;  // ';' from European spreadsheets
    const CsvReadOutcome read = ReadCsv(with_separator, take_row);
    if (!read.opened) return Refuse(Translate("database", kMsgCannotOpen.data()));
    if (read.refusal) {
        // A file that is no CSV at all is told as not being the export.
        return Refuse(header_seen ? *read.refusal : Translate("compare", kNotChannelExport.data()));
    }
    if (!header_seen) return Refuse(Translate("compare", kNotChannelExport.data()));
    return OrderReference{std::move(db), {}};
}

OrderReference ReferenceFromNameList(std::string_view text) {
    NameListReader reader;
    reader.Feed(text);
    return reader.Finish();
}

OrderReference LoadOrderReference(const std::string& path) {
    if (EndsWithIgnoringCase(path, ".sdx")) {
        auto db = std::make_unique<Database>();
        switch (LoadDatabaseFile(*db, path, FileAccess::ReadOnly)) {
            case OpenResult::Ok:
                return OrderReference{std::move(db), {}};
            case OpenResult::CannotOpen:
                return Refuse(Translate("database", kMsgCannotOpen.data()));
            case OpenResult::NotValid:
                return Refuse(Translate("database", kMsgNotValid.data()));
        }
    }
    if (EndsWithIgnoringCase(path, ".csv")) return ReferenceFromExportCsv(CsvInput{{}, path});
    NameListReader reader;
    if (!ReadInputFileInBlocks(path, [&](std::string_view block) { return reader.Feed(block); }))
        return Refuse(Translate("database", kMsgCannotOpen.data()));
    return reader.Finish();
}

}  // namespace velmora
