#pragma once
// Edits made to a channel CSV in a spreadsheet, brought back into the database.

#include <optional>
#include <string>
#include <string_view>

#include "database/Database.h"

namespace velmora {

struct CsvEditsResult {
    // Why the file was refused, naming line and column; the database is then unchanged.
    std::optional<std::string> refusal;
    bool changed = false;  // whether any table changed
};

// Applies the channel CSV `text` to `db`. Each row is matched to its channel by `table`,
// `tp_id` and `service_number` (when a table holds a key more than once, the k-th row of
// that key matches the k-th such channel). The row's name, video, PCR and teletext PID,
// scrambled and locked flags and favourite marks are stored with the channel dialog's
// checks and name filter, the favourite groups following the marks; each table is then
// ordered as its rows, the channels without a row following in their old order. The other
// columns are only read. Values equal to what the channel holds are kept as they are, so
// an unchanged file changes no byte.
//
// Refuses the whole file, changing nothing, when it is no valid channel CSV, a row names
// no channel or a channel twice, a value would be refused by the channel dialog, a radio
// row changes the video PID (the dialog does not offer it), or a new mark finds its
// favourite group full.
CsvEditsResult ApplyCsvEdits(Database& db, std::string_view text);

}  // namespace velmora
