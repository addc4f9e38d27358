#pragma once
// One order-reference fuzz input, shared by the fuzz target and the test that replays the
// corpus without libFuzzer. The first byte chooses the reader ('c' the channel export CSV,
// anything else a list of names); the rest is the text. A reference that is read must fit
// the tables, and ordering the example database after it must only move its channels.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "compare/ApplyOrder.h"
#include "compare/OrderReference.h"
#include "fuzz/CsvEditsInput.h"

namespace velmora::fuzzing {

// The channel records of one table, sorted: equal for two orders of the same channels.
inline std::vector<std::string> SortedRecords(const Database& db, bool radio) {
    std::vector<std::string> records;
    for (int i = 0; i < db.channel_count(radio); ++i) {
        const auto& bytes = db.channels(radio)[i].bytes;
        records.emplace_back(bytes.begin(), bytes.end());
    }
    std::sort(records.begin(), records.end());
    return records;
}

// Runs the input; false when the reference or the order came out unsound.
inline bool RunOrderReferenceInput(const uint8_t* data, size_t size) {
    if (size == 0) return true;
    const bool csv = data[0] == 'c';
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const OrderReference reference =
        csv ? ReferenceFromExportCsv(text) : ReferenceFromNameList(text);
    if (!reference.db) return !reference.problem.empty();
    const Database& ref = *reference.db;
    if (ref.tv_count() > kMaxChannels || ref.radio_count() > kMaxChannels ||
        ref.sat_count() > kMaxSatellites || ref.tp_count() > kMaxTransponders)
        return false;

    static auto db = std::make_unique<Database>();
    const Database& example = ExampleDatabase();
    db->tables() = example.tables();
    const OrderCounts counts = ApplyOrder(*db, ref);
    if (counts.tv_ordered > counts.tv_total || counts.radio_ordered > counts.radio_total)
        return false;
    // Only records that moved: the order can change nothing else.
    if (!counts.moved) return SameTables(*db, example);
    static const std::vector<std::string> example_records[] = {SortedRecords(example, false),
                                                               SortedRecords(example, true)};
    for (bool radio : {false, true})
        if (SortedRecords(*db, radio) != example_records[radio]) return false;
    return true;
}

}  // namespace velmora::fuzzing
