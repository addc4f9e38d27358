// The channel CSV: RFC 4180 quoting through libcsv, the exact columns, and the reader's
// refusals, each naming the line and the column.

#include <gtest/gtest.h>

#include "database/Latin1.h"
#include "exchange/ChannelCsv.h"
#include "exchange/CsvText.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

constexpr std::string_view kHeader =
    "table,index,name,satellite,position,frequency,polarisation,symbol_rate,tp_id,"
    "service_number,video_pid,audio_pid,pcr_pid,ttx_pid,scrambled,locked,fav1,fav2,fav3,fav4,"
    "fav5,fav6,fav7,fav8\r\n";

TEST(CsvText, FieldsRoundTripThroughQuoting) {
    const std::vector<std::string> fields = {"plain",
                                             "comma, inside",
                                             "say \"hi\"",
                                             "two\r\nlines",
                                             "one\nline feed",
                                             " blank ends ",
                                             "",
                                             "S\xC3\xBC"
                                             "dwest",
                                             "\"",
                                             ",,"};
    std::string text;
    AppendCsvRecord(text, fields);
    AppendCsvRecord(text, {"second", "row"});
    const CsvReadResult read = ReadCsvRecords(text);
    ASSERT_FALSE(read.error) << *read.error;
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[0].fields, fields);
    // The record after a field with two line breaks starts on line 4.
    EXPECT_EQ(read.records[1].line(), 4);
}

TEST(CsvText, QuotesOnlyWhereNeeded) {
    std::string text;
    AppendCsvRecord(text, {"a", "b c", "x,y", "q\"q", " lead"});
    EXPECT_EQ(text, "a,b c,\"x,y\",\"q\"\"q\",\" lead\"\r\n");
}

TEST(CsvText, ReadsLfAndCrlfAndSkipsBomAndEmptyLines) {
    for (std::string_view text : {"a,b\nc,d\n", "a,b\r\nc,d\r\n",
                                  "\xEF\xBB\xBF"
                                  "a,b\n\nc,d",
                                  "a,b\r\n\r\nc,d\r\n"}) {
        const CsvReadResult read = ReadCsvRecords(text);
        ASSERT_FALSE(read.error);
        ASSERT_EQ(read.records.size(), 2u) << text;
        EXPECT_EQ(read.records[1].fields, (std::vector<std::string>{"c", "d"})) << text;
    }
}

TEST(CsvText, BlanksBelongToTheField) {
    const CsvReadResult read = ReadCsvRecords(" a ,b\t,\" c \"\n");
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.records[0].fields, (std::vector<std::string>{" a ", "b\t", " c "}));
}

TEST(CsvText, MisplacedQuotesNameTheLine) {
    EXPECT_EQ(ReadCsvRecords("a,b\nc,d\"x\"\n").error,
              "line 2: A quote is out of place or a quoted field is not closed.");
    EXPECT_EQ(ReadCsvRecords("a,b\nc,\"open\nstill open\n").error,
              "line 2: A quoted field is not closed.");
}

TEST(ChannelCsv, WritesTheHeaderAndOneRowPerChannelTvFirst) {
    auto db = testing::MakeSmallDatabase();
    db->satellites[0].set_angle(1920);
    db->satellites[1].set_angle(80);
    db->tv[0].set_plain_audio_pid(0, 102);
    db->tv[0].set_audio_count(1);
    db->tv[1].set_fta(0);
    db->tv[1].set_locked(1);
    const std::string csv = ChannelsCsv(*db, ChannelTables::Both);
    ASSERT_EQ(csv.substr(0, kHeader.size()), kHeader);
    const CsvReadResult read = ReadCsvRecords(csv);
    ASSERT_EQ(read.records.size(), 6u);
    using Row = std::vector<std::string>;
    EXPECT_EQ(read.records[1].fields, (Row{"tv",    "1",     "Nova One", "Aurora 19.2E",
                                           "19.2E", "10700", "H",        "27500",
                                           "0",     "1",     "101",      "102",
                                           "101",   "8191",  "0",        "0",
                                           "1",     "0",     "0",        "0",
                                           "0",     "0",     "0",        "0"}));
    EXPECT_EQ(read.records[2].fields[kCsvName],
              "Kanal S\xC3\xBC"
              "d")
        << "UTF-8";
    EXPECT_EQ(read.records[2].fields[kCsvAudioPid], "") << "no audio entry";
    EXPECT_EQ(read.records[2].fields[kCsvScrambled], "1");
    EXPECT_EQ(read.records[2].fields[kCsvLocked], "1");
    EXPECT_EQ(read.records[4].fields[kCsvPosition], "0.8W");
    EXPECT_EQ(read.records[5].fields[kCsvTable], "radio");
    EXPECT_EQ(read.records[5].fields[kCsvIndex], "1");
}

TEST(ChannelCsv, OneTableOnlyWhenAsked) {
    auto db = testing::MakeSmallDatabase();
    EXPECT_EQ(ReadCsvRecords(ChannelsCsv(*db, ChannelTables::Tv)).records.size(), 5u);
    const CsvReadResult radio = ReadCsvRecords(ChannelsCsv(*db, ChannelTables::Radio));
    ASSERT_EQ(radio.records.size(), 2u);
    EXPECT_EQ(radio.records[1].fields[kCsvName], "Wave FM");
}

TEST(ChannelCsv, ByteOrderMarkOnlyWhenAsked) {
    auto db = testing::MakeSmallDatabase();
    EXPECT_EQ(ChannelsCsv(*db, ChannelTables::Tv).substr(0, 5), "table");
    EXPECT_EQ(ChannelsCsv(*db, ChannelTables::Tv, true).substr(0, 8), "\xEF\xBB\xBFtable");
}

TEST(ChannelCsv, TransponderColumnsEmptyWhenNoTransponderCarriesTheChannel) {
    auto db = testing::MakeSmallDatabase();
    db->tv[0].set_tp_id(77);
    db->transponders[2].set_satellite(40);  // a satellite that is not there
    const CsvReadResult read = ReadCsvRecords(ChannelsCsv(*db, ChannelTables::Tv));
    for (int c = kCsvSatellite; c <= kCsvSymbolRate; ++c)
        EXPECT_EQ(read.records[1].fields[c], "") << kCsvColumns[c];
    EXPECT_EQ(read.records[1].fields[kCsvTpId], "77");
    EXPECT_EQ(read.records[4].fields[kCsvSatellite], "");
    EXPECT_EQ(read.records[4].fields[kCsvFrequency], "12100");
}

TEST(ChannelCsv, ReaderGivesEachRowItsKeyAndName) {
    auto db = testing::MakeSmallDatabase();
    const ChannelCsvRows read = ReadChannelCsv(ChannelsCsv(*db, ChannelTables::Both));
    ASSERT_FALSE(read.refusal);
    ASSERT_EQ(read.rows.size(), 5u);
    EXPECT_FALSE(read.rows[3].radio);
    EXPECT_EQ(read.rows[3].key(), db->tv[3].key());
    EXPECT_EQ(read.rows[1].name(), Latin1ToUtf8(db->tv[1].name()));
    EXPECT_TRUE(read.rows[4].radio);
    EXPECT_EQ(read.rows[4].tp_id, 2);
    EXPECT_EQ(read.rows[4].service_number, 5);
    EXPECT_EQ(read.rows[4].line(), 6);
}

TEST(ChannelCsv, ReaderRefusals) {
    const std::string header(kHeader);
    const std::string row = "tv,1,A,,,,,,0,1,101,,101,8191,0,0,0,0,0,0,0,0,0,0\r\n";
    struct Case {
        const char* fault;
        std::string text;
        std::string refusal;
    };
    const Case cases[] = {
        {"no header", row,
         "line 1: The first line must be the header " + header.substr(0, header.size() - 2) + "."},
        {"empty file", "",
         "line 1: The first line must be the header " + header.substr(0, header.size() - 2) + "."},
        {"short row", header + "tv,1,A\r\n", "line 2: The line has 3 fields; the header names 24."},
        {"bad table", header + row + "TV" + row.substr(2),
         "line 3, column table: Please enter tv or radio."},
        {"tp_id not a number", header + "tv,1,A,,,,,,x,1,101,,101,8191,0,0,0,0,0,0,0,0,0,0\r\n",
         "line 2, column tp_id: Please enter an integer."},
        {"service number too large",
         header + "tv,1,A,,,,,,0,65536,101,,101,8191,0,0,0,0,0,0,0,0,0,0\r\n",
         "line 2, column service_number: Please enter an integer between 0 and 65535."},
    };
    for (const Case& c : cases) {
        const ChannelCsvRows read = ReadChannelCsv(c.text);
        EXPECT_EQ(read.refusal, c.refusal) << c.fault;
    }
}

TEST(ChannelCsv, RowsOfEmptyFieldsAreSkipped) {
    auto db = testing::MakeSmallDatabase();
    const ChannelCsvRows read =
        ReadChannelCsv(ChannelsCsv(*db, ChannelTables::Tv) + ",,,,,,,,,,,,,,,,,,,,,,,\r\n");
    ASSERT_FALSE(read.refusal) << *read.refusal;
    EXPECT_EQ(read.rows.size(), 4u);
}

TEST(Latin1, TypedCharactersWithoutAByteAreDroppedInvalidUtf8IsRefused) {
    EXPECT_EQ(Utf8ToLatin1Dropping("S\xC3\xBC"
                                   "d \xE2\x82\xAC"
                                   "1 \xF0\x9F\x93\xBA"),
              "S\xFC"
              "d 1 ");
    for (std::string_view bad :
         {"\xFC", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"})
        EXPECT_FALSE(Utf8ToLatin1Dropping(bad)) << bad;
}

}  // namespace
}  // namespace velmora
