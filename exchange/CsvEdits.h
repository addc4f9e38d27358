#pragma once
// Edits made to a channel CSV in a spreadsheet, brought back into the database.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"
#include "exchange/CsvText.h"

namespace velmora {

// What applying a file does to one channel.
struct CsvEditChange {
    bool radio = false;
    int from = 0, to = 0;          // 0-based positions in its table before and after
    std::string old_name, name;    // UTF-8
    bool renamed = false;          // the name changed
    bool moved = false;            // among the fewest channels whose moves give the order
    bool other = false;            // a field besides the name changed
    bool looks_converted = false;  // the new name looks made by a spreadsheet
};

// The counts `apply-csv` and the preview tell. Moved counts, per table, the fewest
// channels that, taken out and put back elsewhere, give the new order (the table's length
// minus its longest run of channels that kept their relative order); `other` counts the
// channels neither renamed nor moved whose other fields changed.
struct CsvEditsSummary {
    int renamed = 0;
    int moved = 0;
    int other = 0;
    int looks_converted = 0;
};

// "N channels renamed, M moved, K with other changes"
std::string SummaryLine(const CsvEditsSummary& summary);
// "W names look converted by a spreadsheet"
std::string ConvertedNamesLine(int count);

struct CsvEditsResult {
    // Why the file was refused, naming line and column; the database is then unchanged.
    std::optional<std::string> refusal;
    bool changed = false;  // whether any table changed
    bool opened = true;    // false: the CSV file could not be read (nothing changed)
    CsvEditsSummary summary;
    // The channels that changed, names looking converted first, then in table order.
    std::vector<CsvEditChange> changes;
};

// Applies the channel CSV `input` to `db`. Each row is matched to its channel by `table`,
// `tp_id` and `service_number`. The row's name, video, PCR and teletext PID,
// scrambled and locked flags and favourite marks are stored with the channel dialog's
// checks and name filter, the favourite groups following the marks; each table is then
// ordered as its rows, the channels without a row following in their old order. The other
// columns are only read. Values equal to what the channel holds are kept as they are, so
// an unchanged file changes no byte.
//
// The file is read row by row and refused at its first bad line, so that it holds at most
// one row per channel whatever its size. Refuses the whole file, changing nothing, when it
// is no valid channel CSV, a row names no channel, a channel twice, or a key that more
// than one channel of its table holds (which "Check Database..." mends), a value would be
// refused by the channel dialog, a name keeps no character, a radio row changes the video
// PID (the dialog does not offer it), or a new mark finds its favourite group full.
CsvEditsResult ApplyCsvEdits(Database& db, const CsvInput& input);
inline CsvEditsResult ApplyCsvEdits(Database& db, std::string_view text) {
    return ApplyCsvEdits(db, CsvInput{text, {}});
}

}  // namespace velmora
