#pragma once
// The channel list as CSV: one row per channel, TV rows first, then radio, in table
// order, under a fixed header row. Names are UTF-8; the reader hands back each row with
// its channel key so that edits can be matched to the channels they came from.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"
#include "exchange/CsvText.h"

namespace velmora {

enum class ChannelTables { Tv, Radio, Both };

inline constexpr int kCsvColumnCount = 24;
inline constexpr std::array<std::string_view, kCsvColumnCount> kCsvColumns = {
    "table",        "index",       "name",      "satellite",      "position",  "frequency",
    "polarisation", "symbol_rate", "tp_id",     "service_number", "video_pid", "audio_pid",
    "pcr_pid",      "ttx_pid",     "scrambled", "locked",         "fav1",      "fav2",
    "fav3",         "fav4",        "fav5",      "fav6",           "fav7",      "fav8"};
enum CsvColumn {
    kCsvTable = 0,
    kCsvIndex,
    kCsvName,
    kCsvSatellite,
    kCsvPosition,
    kCsvFrequency,
    kCsvPolarisation,
    kCsvSymbolRate,
    kCsvTpId,
    kCsvServiceNumber,
    kCsvVideoPid,
    kCsvAudioPid,
    kCsvPcrPid,
    kCsvTtxPid,
    kCsvScrambled,
    kCsvLocked,
    kCsvFav1  // kCsvFav1 + g for group g
};

// The CSV of the channels of `tables`, lines ended by CRLF, UTF-8 with a byte-order mark
// in front only when `bom` is set.
std::string ChannelsCsv(const Database& db, ChannelTables tables, bool bom = false);

// One data row of a channel CSV as the file holds it, with its channel key read.
struct ChannelCsvRow {
    bool radio = false;
    uint16_t tp_id = 0;
    uint16_t service_number = 0;
    std::array<std::string, kCsvColumnCount> fields;  // as written, names in UTF-8
    std::array<int, kCsvColumnCount> lines{};         // the line each field starts on

    uint32_t key() const { return static_cast<uint32_t>(tp_id) << 16 | service_number; }
    const std::string& name() const { return fields[kCsvName]; }
    int line() const { return lines[0]; }
    // "line N, column NAME" for a message about `column`.
    std::string Where(int column) const;
};

// Takes each data row as it is read; a message refuses the file there.
using ChannelCsvRowHandler = std::function<std::optional<std::string>(ChannelCsvRow&)>;

// Reads a channel CSV row by row, holding one row at a time: the header row must be the
// one ChannelsCsv writes; every other non-empty row must have its 24 fields, `table` "tv"
// or "radio", and `tp_id` and `service_number` integers from 0 to 65535. Nothing else is
// checked here. The first bad line refuses the file and ends the reading.
CsvReadOutcome ReadChannelCsv(const CsvInput& input, const ChannelCsvRowHandler& on_row);

struct ChannelCsvRows {
    std::vector<ChannelCsvRow> rows;  // in file order
    // Why the file is refused ("line 3, column tp_id: ..."); rows are then incomplete.
    std::optional<std::string> refusal;
};

// Every row of a small channel CSV text at once, with the same checks.
ChannelCsvRows ReadChannelCsv(std::string_view text);

}  // namespace velmora
