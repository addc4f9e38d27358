#pragma once
// One apply-csv fuzz input, shared by the fuzz target and the test that replays the corpus
// without libFuzzer. The input is a CSV applied to the example database: a refusal must
// leave every byte as it was; an applied file must keep the tables sound, and the export
// of the result applied again must change nothing.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "database/DatabaseFile.h"
#include "exchange/ChannelCsv.h"
#include "exchange/CsvEdits.h"

#ifndef VELMORA_SOURCE_DIR
#error "VELMORA_SOURCE_DIR names the repository, for the example database"
#endif

namespace velmora::fuzzing {

// The example database, opened once.
inline const Database& ExampleDatabase() {
    static const std::unique_ptr<Database> example = [] {
        auto db = std::make_unique<Database>();
        if (LoadDatabaseFile(*db, std::string(VELMORA_SOURCE_DIR) + "/examples/sample.sdx",
                             FileAccess::ReadOnly) != OpenResult::Ok)
            __builtin_trap();
        return db;
    }();
    return *example;
}

inline bool SameTables(const Database& a, const Database& b) {
    return std::memcmp(&a.tables(), &b.tables(), sizeof(DatabaseTables)) == 0;
}

// Runs the input; false when a refusal changed something or an applied file left the
// database unsound.
inline bool RunCsvEditsInput(const uint8_t* data, size_t size) {
    static auto db = std::make_unique<Database>();
    const Database& example = ExampleDatabase();
    db->tables() = example.tables();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CsvEditsResult result = ApplyCsvEdits(*db, text);
    if (result.refusal) return !result.changed && SameTables(*db, example);
    if (db->tv_count() != example.tv_count() || db->radio_count() != example.radio_count())
        return false;
    if (!result.changed && !SameTables(*db, example)) return false;
    // Keys never change, so every channel is still found by its row.
    const CsvEditsResult again = ApplyCsvEdits(*db, ChannelsCsv(*db, ChannelTables::Both));
    return !again.refusal && !again.changed;
}

}  // namespace velmora::fuzzing
