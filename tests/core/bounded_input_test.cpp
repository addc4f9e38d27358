// Inputs of any size and shape are refused where they go wrong, holding no more than a
// database can use: CSV read row by row with true line numbers, name lists in each of
// their encodings, JSON objects bounded by the schema, and control characters escaped.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "cli/JsonText.h"
#include "compare/OrderReference.h"
#include "database/Latin1.h"
#include "exchange/ChannelCsv.h"
#include "exchange/CsvEdits.h"
#include "exchange/CsvText.h"
#include "tests/core/TestDatabases.h"
#include "tests/support/SampleDatabase.h"

namespace velmora {
namespace {

constexpr size_t kHostileBytes = 64 * 1024 * 1024;
constexpr size_t kBlock = 64 * 1024;

// `first`, then `filler` repeated up to kHostileBytes, in blocks of kBlock as a file is
// read: made as it is fed, never held whole.
struct HostileText {
    std::string first;
    std::string filler;

    template <typename Feed>
    size_t FeedUntilRefused(Feed feed) const {
        std::string block = first;
        size_t fed = 0, blocks = 0;
        while (fed < kHostileBytes) {
            while (block.size() < kBlock) block += filler;
            block.resize(std::min(block.size(), kHostileBytes - fed));
            ++blocks;
            fed += block.size();
            if (!feed(std::string_view(block))) return blocks;
            block.clear();
        }
        return blocks;
    }

    void WriteTo(const std::string& path) const {
        std::ofstream out(path, std::ios::binary);
        FeedUntilRefused([&out](std::string_view block) {
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
            return true;
        });
    }
};

TEST(CsvReader, LineNumbersFollowEveryKindOfLineEndAndQuotesWhereTheyOpen) {
    const std::pair<std::string, std::string> cases[] = {
        {"h\rx\ry,\"z\"q\r", "line 3: A quote is out of place or a quoted field is not closed."},
        {"h\r\nx\r\ny,\"z\"q\r\n",
         "line 3: A quote is out of place or a quoted field is not closed."},
        {"h\r\n\rx\ny,\"z\"q", "line 4: A quote is out of place or a quoted field is not closed."},
        {"\"two\r\nlines\",1\nb\"c\n",
         "line 3: A quote is out of place or a quoted field is not closed."},
        {"a\n\"open\nmore\nlines\n", "line 2: A quoted field is not closed."},
        {"a\r\"open\rmore\r", "line 2: A quoted field is not closed."},
        {"a\rb,\"open", "line 2: A quoted field is not closed."},
    };
    for (const auto& [text, error] : cases) EXPECT_EQ(ReadCsvRecords(text).error, error) << text;
    const CsvReadResult read = ReadCsvRecords("a\rb\r\r\"c\rd\",e\rf");
    ASSERT_EQ(read.records.size(), 4u);
    EXPECT_EQ(read.records[2].lines, (std::vector<int>{4, 5}));
    EXPECT_EQ(read.records[3].line(), 6);
}

TEST(CsvReader, HostileTextIsRefusedWithinItsFirstBlock) {
    const auto refuse_all = [](CsvRecord& r) -> std::optional<std::string> {
        return "line " + std::to_string(r.line()) + ": refused";
    };
    const auto take_all = [](CsvRecord&) { return std::optional<std::string>(); };
    const struct {
        const char* shape;
        HostileText text;
        CsvRecordHandler handler;
        std::string refusal;
    } cases[] = {
        {"a bad first line and millions more", {"", "a\n"}, refuse_all, "line 1: refused"},
        {"one quoted field without end",
         {"h\n\"", "a"},
         take_all,
         "line 2: A field is longer than 4096 bytes."},
        {"one unquoted field without end",
         {"h\r", "a"},
         take_all,
         "line 2: A field is longer than 4096 bytes."},
        {"one line of separators",
         {"", ","},
         take_all,
         "line 1: The line has more than 64 fields."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        CsvReader reader(c.handler);
        EXPECT_EQ(c.text.FeedUntilRefused([&](std::string_view b) { return reader.Feed(b); }), 1u);
        EXPECT_EQ(reader.refusal(), c.refusal);
    }
}

TEST(CsvReader, HostileFilesAreRefusedAtTheirFirstBadLineByEveryReader) {
    // Each of these once took gigabytes before its refusal; the file is 64 MiB.
    testing::TempDir dir;
    auto db = std::make_unique<Database>();
    testing::FillSampleDatabase(*db);
    const std::string csv = ChannelsCsv(*db, ChannelTables::Tv);
    const std::string header = csv.substr(0, csv.find("\r\n") + 2);
    const std::string first_row =
        csv.substr(header.size(), csv.find("\r\n", header.size()) + 2 - header.size());
    const struct {
        const char* shape;
        HostileText text;
        std::string apply_refusal;
        std::string order_refusal;
    } cases[] = {
        {"no header",
         {"", "a\n"},
         "line 1: The first line must be the header ",
         std::string(kNotChannelExport)},
        {"one row repeated",
         {header + first_row, first_row},
         "line 3, column service_number: The channel with ",
         ""},
        {"an endless quote",
         {header + "tv,\"", "a\n"},
         "line 2: A field is longer",
         "line 2: A field is longer"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        c.text.WriteTo(dir / "big.csv");
        const auto before = testing::Snapshot(*db);
        const CsvEditsResult applied = ApplyCsvEdits(*db, CsvInput{{}, dir / "big.csv"});
        ASSERT_TRUE(applied.refusal);
        EXPECT_EQ(applied.refusal->rfind(c.apply_refusal, 0), 0u) << *applied.refusal;
        EXPECT_TRUE(testing::Snapshot(*db) == before);
        const OrderReference reference = LoadOrderReference(dir / "big.csv");
        if (c.order_refusal.empty()) {
            // Rows alike pair alike; the reference stops at what a table holds.
            EXPECT_EQ(reference.problem, "line 4002: more than 4000 channels");
        } else {
            EXPECT_EQ(reference.problem.rfind(c.order_refusal, 0), 0u) << reference.problem;
        }
    }
}

std::string Utf16(std::u16string_view text, bool little_endian, bool mark) {
    std::string bytes;
    if (mark) bytes = little_endian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += little_endian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

TEST(OrderReference, NameListsInUtf16OrWithCrLineEndsAreRead) {
    const std::vector<std::string> names = {"Nova One",
                                            "Kanal S\xFC"
                                            "d"};
    const struct {
        const char* encoding;
        std::string text;
        std::string problem;
    } cases[] = {
        {"UTF-16 little-endian", Utf16(u"Nova One\r\nKanal S\u00FCd\r\n", true, true), ""},
        {"UTF-16 big-endian", Utf16(u"Nova One\nKanal S\u00FCd", false, true), ""},
        {"CR line ends",
         "Nova One\rKanal S\xC3\xBC"
         "d\r",
         ""},
        {"UTF-16 without its mark", Utf16(u"Nova One\r\n", true, false),
         "The list is not text: save it as UTF-8, or as UTF-16 with a byte-order mark."},
    };
    testing::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.encoding);
        testing::WriteBytes(dir / "list.txt", std::vector<uint8_t>(c.text.begin(), c.text.end()));
        const OrderReference reference = LoadOrderReference(dir / "list.txt");
        EXPECT_EQ(reference.problem, c.problem);
        if (!reference.db) continue;
        ASSERT_EQ(reference.db->tv_count(), 2);
        for (int i = 0; i < 2; ++i) EXPECT_EQ(reference.db->tv[i].name(), names[i]);
    }
}

TEST(JsonText, ObjectsAreBoundedByTheSchemaAndTheirKeysAreUnique) {
    std::string many_keys = "{\"settings\": {";
    for (int k = 0; k < 200000; ++k) many_keys += "\"k" + std::to_string(k) + "\": 0,";
    many_keys.back() = '}';
    many_keys += "}";
    const std::pair<std::string, std::string> cases[] = {
        {many_keys, R"(bad field "settings.k14": more than 14 keys in one object)"},
        {R"({"tv": [{"name": "A", "video_pid": 1, "name": "B"}]})",
         R"(bad field "tv[0].name": the key appears twice in its object)"},
        {R"({"\u001b]0;title\u0007": 1})", R"(bad field "\x1B]0;title\x07": unknown field)"},
        {R"({"tv": [{"\u001b[2J": 1, "\u001b[2J": 2}]})",
         R"(bad field "tv[0].\x1B[2J": the key appears twice in its object)"},
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
        {"Kanal S\xC3\xBC"
         "d 19.2\xC2\xB0"
         "E",
         false,
         "Kanal S\xC3\xBC"
         "d 19.2\xC2\xB0"
         "E"},
        {"\x1B[2J\x1B]0;x\x07", false, "\\x1B[2J\\x1B]0;x\\x07"},
        {"a\nb\tc", true, "a\nb\\x09c"},
        {"a\nb", false, "a\\x0Ab"},
        {"del\x7F c1\xC2\x9B", false, "del\\x7F c1\\x9B"},
        {"Latin-1 \xE9t\xE9", false, "Latin-1 \\xE9t\\xE9"},
        {"\xF0\x9F\x93\xBA", false, "\xF0\x9F\x93\xBA"},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeControls(c.text, c.keep_line_feeds), c.shown);
}

}  // namespace
}  // namespace velmora
