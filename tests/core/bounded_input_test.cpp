// Inputs of any size and shape are refused where they go wrong, holding no more than a
// database can use: CSV read row by row with true line numbers, name lists in each of
// their encodings, JSON objects bounded by the schema, and control characters escaped.

#include <gtest/gtest.h>

#include <fstream>

#include "cli/JsonText.h"
#include "compare/OrderReference.h"
#include "database/Latin1.h"
#include "exchange/ChannelCsv.h"
#include "exchange/CsvEdits.h"
#include "tests/core/TestDatabases.h"
#include "tests/support/SampleDatabase.h"

namespace velmora {
namespace {

// `first`, then `filler` repeated to 64 MiB: made block by block, never held whole.
void WriteHostileFile(const std::string& path, const std::string& first,
                      const std::string& filler) {
    constexpr size_t kBytes = 64 << 20;
    std::ofstream out(path, std::ios::binary);
    std::string block = first;
    for (size_t written = 0; written < kBytes; written += block.size(), block.clear()) {
        while (block.size() < 65536) block += filler;
        block.resize(std::min(block.size(), kBytes - written));
        out << block;
    }
}

TEST(CsvReader, LineNumbersFollowEveryKindOfLineEndAndQuotesWhereTheyOpen) {
    const std::string stray = "A quote is out of place or a quoted field is not closed.";
    const std::pair<std::string, std::string> cases[] = {
        {"h\rx\ry,\"z\"q\r", "line 3: " + stray},
        {"h\r\nx\r\ny,\"z\"q\r\n", "line 3: " + stray},
        {"h\r\n\rx\ny,\"z\"q", "line 4: " + stray},
        {"\"two\r\nlines\",1\nb\"c\n", "line 3: " + stray},
        {"a\n\"open\nmore\nlines\n", "line 2: A quoted field is not closed."},
        {"a\rb,\"open\rmore\r", "line 2: A quoted field is not closed."},
    };
    for (const auto& [text, error] : cases) EXPECT_EQ(ReadCsvRecords(text).error, error) << text;
    const CsvReadResult read = ReadCsvRecords("a\rb\r\r\"c\rd\",e\rf");
    ASSERT_EQ(read.records.size(), 4u);
    EXPECT_EQ(read.records[2].lines, (std::vector<int>{4, 5}));
    EXPECT_EQ(read.records[3].line(), 6);
}

TEST(CsvReader, HostileFilesAreRefusedAtTheirFirstBadLineByEveryReader) {
    // Each of these took gigabytes, or ended the program, before its refusal.
    testing::TempDir dir;
    auto db = std::make_unique<Database>();
    testing::FillSampleDatabase(*db);
    const std::string csv = ChannelsCsv(*db, ChannelTables::Tv);
    const size_t rows_start = csv.find("\r\n") + 2;
    const std::string header = csv.substr(0, rows_start);
    const std::string row = csv.substr(rows_start, csv.find("\r\n", rows_start) + 2 - rows_start);
    const struct {
        std::string first, filler, apply_refusal, order_refusal;
    } cases[] = {
        {"", "a\n", "line 1: The first line must be the header ", std::string(kNotChannelExport)},
        {header + row, row, "line 3, column service_number: The channel with ",
         "line 4002: more than 4000 channels"},
        {header + "tv,\"", "a\n", "line 2: A field is longer than 4096 bytes.",
         "line 2: A field is longer than 4096 bytes."},
        {header + "tv", ",", "line 2: The line has more than 64 fields.",
         "line 2: The line has more than 64 fields."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.apply_refusal);
        WriteHostileFile(dir / "big.csv", c.first, c.filler);
        const auto before = testing::Snapshot(*db);
        const CsvEditsResult applied = ApplyCsvEdits(*db, CsvInput{{}, dir / "big.csv"});
        EXPECT_EQ(applied.refusal.value_or("").rfind(c.apply_refusal, 0), 0u) << *applied.refusal;
        EXPECT_TRUE(testing::Snapshot(*db) == before);
        EXPECT_EQ(LoadOrderReference(dir / "big.csv").problem.rfind(c.order_refusal, 0), 0u);
    }
}

std::string Utf16(std::u16string_view text, bool little_endian, bool mark) {
    std::string bytes = mark ? (little_endian ? "\xFF\xFE" : "\xFE\xFF") : "";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += little_endian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

TEST(OrderReference, NameListsInUtf16OrWithCrLineEndsAreRead) {
    const struct {
        std::string text, problem;
    } cases[] = {
        {Utf16(u"Nova One\r\nK\u00FC\r\n", true, true), ""},
        {Utf16(u"Nova One\nK\u00FC", false, true), ""},
        {"Nova One\rK\xC3\xBC\r", ""},
        {Utf16(u"Nova One\r\n", true, false),
         "The list is not text: save it as UTF-8, or as UTF-16 with a byte-order mark."},
    };
    testing::TempDir dir;
    for (const auto& c : cases) {
        testing::WriteBytes(dir / "list.txt", std::vector<uint8_t>(c.text.begin(), c.text.end()));
        const OrderReference reference = LoadOrderReference(dir / "list.txt");
        EXPECT_EQ(reference.problem, c.problem);
        if (!reference.db) continue;
        ASSERT_EQ(reference.db->tv_count(), 2);
        EXPECT_EQ(reference.db->tv[0].name(), "Nova One");
        EXPECT_EQ(reference.db->tv[1].name(), "K\xFC");
    }
}

TEST(JsonText, ObjectsAreBoundedByTheSchemaAndTheirKeysAreUnique) {
    std::string many_keys = "{\"settings\": {";
    for (int k = 0; k < 200000; ++k) many_keys += "\"k" + std::to_string(k) + "\": 0,";
    many_keys.back() = '}';
    const std::pair<std::string, std::string> cases[] = {
        {many_keys + "}", R"(bad field "settings.k14": more than 14 keys in one object)"},
        {R"({"tv": [{"name": "A", "video_pid": 1, "name": "B"}]})",
         R"(bad field "tv[0].name": the key appears twice in its object)"},
        {R"({"\u001b]0;title\u0007": 1})", R"(bad field "\x1B]0;title\x07": unknown field)"},
    };
    for (const auto& [text, message] : cases) {
        cli::Json doc;
        auto problem = cli::ParseJsonText(text, "in.json", doc);
        auto db = std::make_unique<Database>();
        if (!problem) problem = cli::JsonToDatabase(doc, *db);
        EXPECT_EQ(problem, message) << text.substr(0, 60);
    }
}

TEST(EscapeControls, ControlCharactersAndStrayBytesBecomeHexEscapes) {
    const struct {
        std::string text;
        bool keep_line_feeds;
        std::string shown;
    } cases[] = {
        {"S\xC3\xBC! 19.2\xC2\xB0 \xF0\x9F\x93\xBA", false,
         "S\xC3\xBC! 19.2\xC2\xB0 \xF0\x9F\x93\xBA"},
        {"\x1B[2J\x1B]0;x\x07", false, "\\x1B[2J\\x1B]0;x\\x07"},
        {"a\nb\tc", true, "a\nb\\x09c"},
        {"a\nb", false, "a\\x0Ab"},
        {"del\x7F c1\xC2\x9B Latin-1 \xE9!", false, "del\\x7F c1\\x9B Latin-1 \\xE9!"},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeControls(c.text, c.keep_line_feeds), c.shown);
}

}  // namespace
}  // namespace velmora
