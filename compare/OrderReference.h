#pragma once
// The reference whose channel order Apply Order follows, read from a file: a database,
// a CSV of the channel export, or a plain list of names. Each becomes a database, so the
// one pairing of two databases serves all three.

#include <memory>
#include <string>
#include <string_view>

#include "database/Database.h"
#include "exchange/CsvText.h"
#include "text/Translate.h"

namespace velmora {

inline constexpr std::string_view kChannelExportHeader =
    "table,index,name,satellite,position,frequency,polarisation,symbol_rate,tp_id,"
    "service_number,video_pid,audio_pid,pcr_pid,ttx_pid,scrambled,locked,"
    "fav1,fav2,fav3,fav4,fav5,fav6,fav7,fav8";
// Refusals, translated where they are made.
inline constexpr std::string_view kNotChannelExport =
    VT_TR_NOOP("compare", "This file is not a channel list exported as CSV.");
inline constexpr std::string_view kNoNamesInList =
    VT_TR_NOOP("compare", "The list holds no channel names.");

struct OrderReference {
    std::unique_ptr<Database> db;  // null when the file could not be used
    std::string problem;           // why, in the words of Open where Open's reasons apply
};

// Reads `path` by its name: "*.sdx" (any case) is opened read-only as the editor opens a
// database; "*.csv" must be the channel export, its header row first; anything else is
// a list of names, one per line (LF, CRLF or CR; UTF-8 or ISO-8859-1, or UTF-16 with a
// byte-order mark; blank lines skipped; text holding NUL bytes is refused). Files are read
// in blocks, holding no more than the tables can take.
OrderReference LoadOrderReference(const std::string& path);

// The CSV text of the channel export as a database: satellites by name and position,
// transponders by frequency, polarisation and symbol rate on them, channels with their
// name, PIDs and service number. The key columns (tp_id, service_number's pairing with
// it) are not used to pair: they are the other file's own numbering. Read row by row;
// on failure db is null and problem says which line is wrong.
OrderReference ReferenceFromExportCsv(const CsvInput& input);
inline OrderReference ReferenceFromExportCsv(std::string_view text) {
    return ReferenceFromExportCsv(CsvInput{text, {}});
}
// A list of names as a database holding every name in both tables, with no transponders,
// so that only the names pair.
OrderReference ReferenceFromNameList(std::string_view text);

// ISO-8859-1 bytes of a UTF-8 text whose characters all fit; other text as it is (it
// was ISO-8859-1 already).
std::string Latin1FromInput(std::string_view text);

}  // namespace velmora
