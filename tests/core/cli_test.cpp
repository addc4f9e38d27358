// velmora-cli end to end: the built program with real files, its exit codes, its
// messages on standard error and its results on standard output.

#include <gtest/gtest.h>

#include <cstring>

#include "cli/JsonSchema.h"
#include "database/DatabaseFile.h"
#include "tests/core/CliRun.h"
#include "tests/core/TestDatabases.h"
#include "velmora/Version.h"

namespace velmora::cli {
namespace {

using testing::CliRun;
using testing::FileText;
using testing::ReadBytes;
using testing::RunCli;
using testing::TempDir;
using testing::WriteBytes;

const std::string kSample = std::string(VELMORA_SOURCE_DIR) + "/examples/sample";
constexpr const char* kCannotOpen = "Can't not open the file!\n";
constexpr const char* kNotValid = "This file is not a correct file,please select another!\n";

Json ParseOrNull(const std::string& text) {
    return Json::parse(text, nullptr, false);
}

TEST(Cli, InfoSummarisesTheSample) {
    TempDir dir;
    const CliRun r = RunCli(dir, {"info", kSample + ".sdx"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("signature:      VELMORA SDX DATABASE\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("satellites:     4\n"), std::string::npos);
    EXPECT_NE(r.out.find("tv channels:    150\n"), std::string::npos);
    EXPECT_NE(r.out.find("radio channels: 30\n"), std::string::npos);
    EXPECT_NE(
        r.out.find("packed length:  " + std::to_string(ReadBytes(kSample + ".sdx").size() - 64)),
        std::string::npos);
}

TEST(Cli, VersionIsTheProjectsOneVersionNumber) {
    TempDir dir;
    const CliRun r = RunCli(dir, {"--version"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, std::string("velmora-cli ") + kVersion + "\n");
    EXPECT_EQ(r.err, "");
}

TEST(Cli, MissingFileCannotBeOpened) {
    TempDir dir;
    for (const char* command : {"info", "dump"}) {
        const CliRun r = RunCli(dir, {command, dir / "none.sdx"});
        EXPECT_EQ(r.exit_code, 1) << command;
        EXPECT_EQ(r.err, kCannotOpen) << command;
        EXPECT_EQ(r.out, "") << command;
    }
    const CliRun r = RunCli(dir, {"import", dir / "none.sdx", dir / "page.htm"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, kCannotOpen);
}

TEST(Cli, BrokenFileIsNotCorrect) {
    TempDir dir;
    auto file = ReadBytes(kSample + ".sdx");
    file.push_back(0);
    WriteBytes(dir / "broken.sdx", file);
    for (const char* command : {"info", "dump"}) {
        const CliRun r = RunCli(dir, {command, dir / "broken.sdx"});
        EXPECT_EQ(r.exit_code, 1) << command;
        EXPECT_EQ(r.err, kNotValid) << command;
    }
    const CliRun r = RunCli(dir, {"import", dir / "broken.sdx", dir / "page.htm"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, kNotValid);
    EXPECT_EQ(ReadBytes(dir / "broken.sdx"), file);
}

TEST(Cli, SampleSdxIsTheSampleJson) {
    TempDir dir;
    const CliRun dumped = RunCli(dir, {"dump", kSample + ".sdx"});
    ASSERT_EQ(dumped.exit_code, 0);
    Json from_sdx = ParseOrNull(dumped.out);
    ASSERT_FALSE(from_sdx.is_discarded());

    // The sample is written in the form a dump has, minus the header.
    Json sample = ParseOrNull(FileText(kSample + ".json"));
    ASSERT_FALSE(sample.is_discarded());
    Json tables = from_sdx;
    tables.erase("header");
    EXPECT_EQ(tables, sample);

    ASSERT_EQ(RunCli(dir, {"load", kSample + ".json", dir / "again.sdx"}).exit_code, 0);
    EXPECT_EQ(ParseOrNull(RunCli(dir, {"dump", dir / "again.sdx"}).out), from_sdx);
}

TEST(Cli, DumpLoadDumpRoundTrips) {
    TempDir dir;
    auto db = testing::MakeSmallDatabase();
    db->header.set_settings_size(150);  // a header of the file's own is carried through
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "a.sdx"), SaveResult::Written);
    const CliRun first = RunCli(dir, {"dump", dir / "a.sdx"});
    ASSERT_EQ(first.exit_code, 0);
    WriteBytes(dir / "a.json", std::vector<uint8_t>(first.out.begin(), first.out.end()));
    const CliRun load = RunCli(dir, {"load", dir / "a.json", dir / "b.sdx"});
    ASSERT_EQ(load.exit_code, 0) << load.err;
    EXPECT_EQ(load.out + load.err, "");
    const CliRun second = RunCli(dir, {"dump", dir / "b.sdx"});
    // The bytes no field names (here the extra block) are not in the JSON, so the new
    // stream, and with it packed_length, may differ; every field is the same.
    Json a = ParseOrNull(first.out), b = ParseOrNull(second.out);
    a["header"].erase("packed_length");
    b["header"].erase("packed_length");
    EXPECT_EQ(b, a);
    EXPECT_EQ(ParseOrNull(second.out)["tv"][1]["name"],
              "Kanal S\xC3\xBC"
              "d");
}

TEST(Cli, LoadNamesTheBadFieldAndWritesNothing) {
    TempDir dir;
    WriteBytes(dir / "out.sdx", {'o', 'l', 'd'});
    const std::string json = R"({"transponders": [{"frequency": 11000}, {"frequency": "x"}]})";
    WriteBytes(dir / "bad.json", std::vector<uint8_t>(json.begin(), json.end()));
    const CliRun r = RunCli(dir, {"load", dir / "bad.json", dir / "out.sdx"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err,
              "bad field \"transponders[1].frequency\": expected an integer from 0 to 65535\n");
    EXPECT_EQ(FileText(dir / "out.sdx"), "old");
}

TEST(Cli, LoadRefusesTextThatIsNotJson) {
    TempDir dir;
    WriteBytes(dir / "bad.json", {'{', '"'});
    const CliRun r = RunCli(dir, {"load", dir / "bad.json", dir / "out.sdx"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err.rfind(dir / "bad.json" + " is not valid JSON: ", 0), 0u) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.sdx"));
    EXPECT_EQ(RunCli(dir, {"load", dir / "none.json", dir / "out.sdx"}).err, kCannotOpen);
}

TEST(Cli, LoadIntoAnUncreatableFileFails) {
    TempDir dir;
    const CliRun r = RunCli(dir, {"load", kSample + ".json", dir / "missing/out.sdx"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "Can not save file!\n");
}

TEST(Cli, NewWritesAnEmptyDatabaseThatOpens) {
    TempDir dir;
    const CliRun r = RunCli(dir, {"new", dir / "new.sdx"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out + r.err, "");
    const Json dumped = ParseOrNull(RunCli(dir, {"dump", dir / "new.sdx"}).out);
    EXPECT_EQ(dumped["satellites"], Json::array());
    EXPECT_EQ(dumped["settings"]["password"], "4826");
    EXPECT_EQ(dumped["settings"]["fav_names"][0], "Movie");
    EXPECT_EQ(RunCli(dir, {"new", dir / "missing/new.sdx"}).exit_code, 1);
}

TEST(Cli, ImportAddsTheListedSatellitesAndSavesInPlace) {
    TempDir dir;
    std::filesystem::copy_file(kSample + ".sdx", dir / "db.sdx");
    const std::string page = dir /
                             "Example Sat 1 at 19.2\xB0"
                             "E.htm";
    std::filesystem::copy_file(std::string(VELMORA_SOURCE_DIR) + "/examples/sample-listing.htm",
                               page);
    const CliRun r = RunCli(dir, {"import", dir / "db.sdx", page});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    auto db = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*db, dir / "db.sdx"), OpenResult::Ok);
    ASSERT_EQ(db->sat_count(), 6) << "a C-band and a Ku-band satellite";
    EXPECT_EQ(db->satellites[4].name(), "C_Example Sat 1");
    EXPECT_EQ(db->satellites[5].name(), "Ku_Example Sat ");
    EXPECT_EQ(db->tp_count(), 40 + 4 + 7);
}

TEST(Cli, ImportOfAPageWithoutMatchesStillSaves) {
    TempDir dir;
    std::filesystem::copy_file(kSample + ".sdx", dir / "db.sdx");
    WriteBytes(dir /
                   "Alpha 6 at 13.0\xB0"
                   "E.htm",
               {'x'});
    const CliRun r = RunCli(dir, {"import", dir / "db.sdx",
                                  dir / "Alpha 6 at 13.0\xB0"
                                        "E.htm"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    auto db = std::make_unique<Database>();
    EXPECT_EQ(LoadDatabaseFile(*db, dir / "db.sdx"), OpenResult::Ok);
}

TEST(Cli, ImportOfAPageNamedWithoutAtSaysWhatNameItExpects) {
    TempDir dir;
    std::filesystem::copy_file(kSample + ".sdx", dir / "db.sdx");
    WriteBytes(dir / "listing.htm", {'x'});
    const CliRun r = RunCli(dir, {"import", dir / "db.sdx", dir / "listing.htm"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(r.err.find("Example Sat 1 at 19.2\u00B0E.htm"), std::string::npos) << r.err;
}

TEST(Cli, EveryCommandHasHelp) {
    TempDir dir;
    for (const char* command : {"info", "dump", "load", "new", "import"}) {
        const CliRun r = RunCli(dir, {command, "--help"});
        EXPECT_EQ(r.exit_code, 0) << command;
        EXPECT_NE(r.out.find(std::string("Usage:")), std::string::npos) << command;
    }
    EXPECT_EQ(RunCli(dir, {"--help"}).exit_code, 0);
}

TEST(Cli, WrongCommandLineIsAUsageError) {
    TempDir dir;
    EXPECT_EQ(RunCli(dir, {}).exit_code, 2);
    EXPECT_EQ(RunCli(dir, {"frobnicate"}).exit_code, 2);
    EXPECT_EQ(RunCli(dir, {"load", "only-one.json"}).exit_code, 2);
}

// dump, then load of what it printed, then dump again: both dumps, as text.
std::pair<std::string, std::string> DumpLoadDump(const TempDir& dir, const std::string& sdx) {
    const CliRun first = RunCli(dir, {"dump", sdx});
    EXPECT_EQ(first.exit_code, 0) << first.err;
    WriteBytes(dir / "dumped.json", std::vector<uint8_t>(first.out.begin(), first.out.end()));
    const CliRun load = RunCli(dir, {"load", dir / "dumped.json", dir / "loaded.sdx"});
    EXPECT_EQ(load.exit_code, 0) << load.err;
    return {first.out, RunCli(dir, {"dump", dir / "loaded.sdx"}).out};
}

TEST(Cli, NamesThatFillTheirFieldSurviveDumpLoadDump) {
    TempDir dir;
    auto db = testing::MakeSmallDatabase();
    db->extra.bytes.fill(0);  // not in the JSON: a load writes zeros
    db->satellites[0].set_whole_name("Sixteen bytes!!!");
    db->satellites[1].set_whole_name(
        "\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xB0\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xFF");
    db->settings.set_whole_fav_name(0, "Sixteen letters!");
    db->settings.set_whole_fav_name(7, std::string(16, '\xFF'));
    db->header.set_whole_signature("SDX signature of 28 bytes ..");
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "full.sdx"), SaveResult::Written);
    {
        const auto [first, second] = DumpLoadDump(dir, dir / "full.sdx");
        EXPECT_EQ(second, first);
        const Json dumped = ParseOrNull(first);
        EXPECT_EQ(dumped["header"]["signature"], "SDX signature of 28 bytes ..");
        EXPECT_EQ(dumped["satellites"][0]["name"], "Sixteen bytes!!!");
        EXPECT_EQ(dumped["settings"]["fav_names"][0], "Sixteen letters!");
    }

    // Open cleans a channel name to 15 bytes, so the 16th is in no dump: every field
    // comes back, only the stream (packed_length) may differ.
    WriteWholeTextField(db->tv[0].name_field(), Channel::kNameSize, "Channel name 16b");
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "full.sdx"), SaveResult::Written);
    const auto [first, second] = DumpLoadDump(dir, dir / "full.sdx");
    Json a = ParseOrNull(first), b = ParseOrNull(second);
    EXPECT_EQ(a["tv"][0]["name"], "Channel name 16");
    a["header"].erase("packed_length");
    b["header"].erase("packed_length");
    EXPECT_EQ(b, a);
}

TEST(Cli, BlockSizeZeroWritesAFileThatLoadsBack) {
    TempDir dir;
    const std::string json = R"({"header": {"settings_size": 0}})";
    WriteBytes(dir / "zero.json", std::vector<uint8_t>(json.begin(), json.end()));
    ASSERT_EQ(RunCli(dir, {"load", dir / "zero.json", dir / "zero.sdx"}).exit_code, 0);
    const auto [first, second] = DumpLoadDump(dir, dir / "zero.sdx");
    EXPECT_EQ(second, first);
    // No settings in the file: every byte reads as 0xFF, names of 16 "ÿ" included.
    std::string sixteen_y;
    for (int i = 0; i < 16; ++i) sixteen_y += "\xC3\xBF";
    EXPECT_EQ(ParseOrNull(first)["settings"]["fav_names"][0], sixteen_y);
}

TEST(Cli, LoadOfANumberOutOfRangeNamesTheFieldAndExitsWithOne) {
    TempDir dir;
    WriteBytes(dir / "out.sdx", {'o', 'l', 'd'});
    const std::pair<const char*, const char*> cases[] = {
        {R"({"header": {"checksum": 1e400}})", "header.checksum"},
        {R"({"tv": [{}, {"pcr_pid": -1e400}]})", "tv[1].pcr_pid"},
        {R"({"favourite_groups": [{}, {"radio": [1, 2, 1e999]}]})", "favourite_groups[1].radio[2]"},
    };
    for (const auto& [json, field] : cases) {
        WriteBytes(dir / "big.json", std::vector<uint8_t>(json, json + std::strlen(json)));
        const CliRun r = RunCli(dir, {"load", dir / "big.json", dir / "out.sdx"});
        EXPECT_EQ(r.exit_code, 1) << json;
        EXPECT_EQ(r.err, "bad field \"" + std::string(field) + "\": number out of range\n");
    }
    EXPECT_EQ(FileText(dir / "out.sdx"), "old");
}

TEST(Cli, ImportOfAnUnreadablePageSaysSoOnceAndLeavesTheFile) {
    TempDir dir;
    std::filesystem::copy_file(kSample + ".sdx", dir / "db.sdx");
    const CliRun r = RunCli(dir, {"import", dir / "db.sdx",
                                  dir / "Missing at 19.2\xB0"
                                        "E.htm"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "Can't open file !\n");
    EXPECT_EQ(ReadBytes(dir / "db.sdx"), ReadBytes(kSample + ".sdx"));
    EXPECT_FALSE(std::filesystem::exists(dir / "db.sdx.bak"));
}

TEST(Cli, ImportKeepsTheFileItChangedAsTheBackup) {
    TempDir dir;
    std::filesystem::copy_file(kSample + ".sdx", dir / "db.sdx");
    const std::string page = dir /
                             "Beta 2 at 7.0\xB0"
                             "E.htm";
    std::filesystem::copy_file(std::string(VELMORA_SOURCE_DIR) + "/examples/sample-listing.htm",
                               page);
    ASSERT_EQ(RunCli(dir, {"import", dir / "db.sdx", page}).exit_code, 0);
    EXPECT_EQ(ReadBytes(dir / "db.sdx.bak"), ReadBytes(kSample + ".sdx"));
    EXPECT_NE(ReadBytes(dir / "db.sdx"), ReadBytes(kSample + ".sdx"));
}

TEST(Cli, InfoShowsControlBytesOfTheSignatureEscaped) {
    TempDir dir;
    auto db = testing::MakeSmallDatabase();
    db->header.set_signature(
        "SDX\x1B]0;owned\x07\x9B"
        "2J\xE9");
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "a.sdx"), SaveResult::Written);
    const CliRun r = RunCli(dir, {"info", dir / "a.sdx"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_NE(r.out.find("signature:      SDX\\x1B]0;owned\\x07\\x9B2J\xC3\xA9\n"),
              std::string::npos)
        << r.out;
}

// The sample with a repeated TV channel (mendable) and one on a missing transponder (not).
std::string SampleWithFindings(const TempDir& dir) {
    auto db = std::make_unique<Database>();
    EXPECT_EQ(LoadDatabaseFile(*db, kSample + ".sdx", FileAccess::ReadOnly), OpenResult::Ok);
    const int n = db->tv_count();
    db->tv[n] = db->tv[4];
    db->tv[n + 1] = db->tv[5];
    db->tv[n + 1].set_tp_id(1999);
    db->set_tv_count(n + 2);
    const std::string path = dir / "findings.sdx";
    EXPECT_EQ(SaveDatabaseFile(*db, path), SaveResult::Written);
    return path;
}

TEST(Cli, CheckPrintsEveryKindsCountAndExitsByWhatItFound) {
    TempDir dir;
    CliRun r = RunCli(dir, {"check", kSample + ".sdx"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(ParseOrNull(r.out), Json::parse(R"({"findings": [], "counts": {"key_collision": 0,
        "duplicate_channel": 0, "orphan_channel": 0, "duplicate_transponder": 0,
        "orphan_transponder": 0, "duplicate_tp_id": 0, "pid_out_of_range": 0}})"));

    r = RunCli(dir, {"check", SampleWithFindings(dir)});
    EXPECT_EQ(r.exit_code, 3);
    const Json found = ParseOrNull(r.out);
    ASSERT_EQ(found["findings"].size(), 3u) << r.out;
    const Json& first = found["findings"][0];
    EXPECT_EQ(first["kind"], "key_collision");
    EXPECT_EQ(first["table"], "tv");
    EXPECT_EQ(first["index"], 4);
    EXPECT_EQ(first["others"], Json::parse("[150]"));
    EXPECT_EQ(found["findings"][1]["kind"], "duplicate_channel");
    EXPECT_EQ(found["findings"][2]["kind"], "orphan_channel");
    EXPECT_EQ(found["findings"][2]["index"], 151);
    EXPECT_EQ(found["counts"]["key_collision"], 1);
    EXPECT_EQ(found["counts"]["pid_out_of_range"], 0);

    EXPECT_EQ(RunCli(dir, {"check", dir / "none.sdx"}).exit_code, 1);
}

TEST(Cli, FixSavesWhatRemainsAndFixingTwiceGivesTheSameFile) {
    TempDir dir;
    const std::string path = SampleWithFindings(dir);
    CliRun r = RunCli(dir, {"check", path, "--fix", dir / "once.sdx"});
    EXPECT_EQ(r.exit_code, 3);  // the orphan needs a person
    Json left = ParseOrNull(r.out);
    ASSERT_EQ(left["findings"].size(), 1u) << r.out;
    EXPECT_EQ(left["findings"][0]["kind"], "orphan_channel");
    EXPECT_EQ(left["findings"][0]["index"], 150);  // the duplicate is gone

    r = RunCli(dir, {"check", dir / "once.sdx", "--fix", dir / "twice.sdx"});
    EXPECT_EQ(r.exit_code, 3);
    EXPECT_EQ(ReadBytes(dir / "twice.sdx"), ReadBytes(dir / "once.sdx"));

    // Nothing left to mend: exit 0.
    EXPECT_EQ(RunCli(dir, {"check", kSample + ".sdx", "--fix", dir / "clean.sdx"}).exit_code, 0);
}

TEST(Cli, FixInPlaceKeepsTheOldFileAndAFailedSaveWritesNothing) {
    TempDir dir;
    const std::string path = SampleWithFindings(dir);
    const auto before = ReadBytes(path);
    EXPECT_EQ(RunCli(dir, {"check", path, "--fix", path}).exit_code, 3);
    EXPECT_EQ(ReadBytes(path + ".bak"), before);
    EXPECT_NE(ReadBytes(path), before);

    const CliRun r = RunCli(dir, {"check", path, "--fix", dir / "no-such-dir/out.sdx"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Can not save file!\n");
}

}  // namespace
}  // namespace velmora::cli
