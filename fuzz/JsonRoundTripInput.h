#pragma once
// One JSON round-trip fuzz input, shared by the fuzz target and the test that replays the
// corpus without libFuzzer. Whatever `load` accepts must be saved to a file that opens,
// and that file must survive dump -> load -> save -> open unchanged.

#include <cstdint>
#include <memory>
#include <string>

#include "cli/JsonSchema.h"
#include "cli/JsonText.h"
#include "database/SdxFile.h"
#include "database/Upkeep.h"

namespace velmora::fuzzing {

// Saves `db` as a file image and opens that image into `opened`, as Open does; false
// when the saved file does not open.
inline bool SaveAndOpen(Database& db, Database& opened) {
    const auto image = WriteDatabase(db);
    if (!image || !ReadDatabase(opened, *image)) return false;
    UnpackSections(opened);
    RunAfterOpenSteps(opened);
    return true;
}

// Runs the input; false when the round trip fails.
inline bool RunJsonRoundTripInput(const uint8_t* data, size_t size) {
    static auto loaded = std::make_unique<Database>();
    static auto opened = std::make_unique<Database>();
    static auto reopened = std::make_unique<Database>();
    const std::string text(reinterpret_cast<const char*>(data), size);
    cli::Json doc;
    if (cli::ParseJsonText(text, "input", doc) || cli::JsonToDatabase(doc, *loaded)) return true;
    // Only a database that does not compress writes nothing (load then says so).
    if (!WriteDatabase(*loaded)) return true;
    if (!SaveAndOpen(*loaded, *opened)) return false;
    const cli::Json dumped = cli::DatabaseToJson(*opened);
    // The dump goes through the same text reader as any input.
    cli::Json dumped_again;
    if (cli::ParseJsonText(dumped.dump(2), "dump", dumped_again) ||
        cli::JsonToDatabase(dumped_again, *loaded))
        return false;
    if (!SaveAndOpen(*loaded, *reopened)) return false;
    // Bytes no field names (past a name's NUL, the extra block) are not in the JSON, so
    // the stream and with it packed_length may differ; every field must not.
    cli::Json first = dumped, second = cli::DatabaseToJson(*reopened);
    first["header"].erase("packed_length");
    second["header"].erase("packed_length");
    return first == second;
}

}  // namespace velmora::fuzzing
