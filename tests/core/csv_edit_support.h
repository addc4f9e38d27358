#pragma once
// A spreadsheet's edit of the channel export, for the tests of applying CSV edits.

#include <functional>
#include <string>
#include <vector>

#include "exchange/ChannelCsv.h"
#include "exchange/CsvText.h"

namespace velmora::testing {

using Rows = std::vector<std::vector<std::string>>;

// The database's CSV after `edit` changed its records (header first).
inline std::string EditedCsv(const Database& db, const std::function<void(Rows&)>& edit) {
    Rows rows;
    for (CsvRecord& r : ReadCsvRecords(ChannelsCsv(db, ChannelTables::Both)).records)
        rows.push_back(std::move(r.fields));
    edit(rows);
    std::string text;
    for (const auto& r : rows) AppendCsvRecord(text, r);
    return text;
}

}  // namespace velmora::testing
