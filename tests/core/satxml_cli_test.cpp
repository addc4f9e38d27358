// velmora-cli xml-import, xml-update and export --format satellites-xml end to end.

#include <gtest/gtest.h>

#include "cli/JsonSchema.h"
#include "database/DatabaseFile.h"
#include "tests/core/CliRun.h"
#include "tests/core/TestDatabases.h"
#include "tests/support/SatXmlText.h"

namespace velmora {
namespace {

using testing::CliRun;
using testing::FileText;
using testing::ReadBytes;
using testing::XmlDoc;
using testing::XmlSat;
using testing::XmlTp;

class SatXmlCli : public ::testing::Test {
protected:
    void SetUp() override {
        auto db = testing::MakeSmallDatabase();
        db->satellites[0].set_angle(1920);
        ASSERT_EQ(SaveDatabaseFile(*db, sdx), SaveResult::Written);
        Write(xml, XmlDoc(XmlSat("19.2E Aurora", 192,
                                 XmlTp(10701000, 22000000, 0) + XmlTp(11900000, 27500000, 1)) +
                          XmlSat("13.0E Boreal Sat", 130,
                                 XmlTp(11000000, 27500000, 0) + XmlTp(11000000, 27500000, 0))));
    }
    static void Write(const std::string& path, const std::string& text) {
        testing::WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
    }
    CliRun Run(const std::string& args) { return testing::RunCliLine(dir, args); }

    testing::TempDir dir;
    const std::string sdx = dir / "db.sdx";
    const std::string xml = dir / "satellites.xml";
};

TEST_F(SatXmlCli, ImportAppendsTheNamedSatellitesAndSays) {
    const CliRun r = Run("xml-import " + sdx + " " + xml + " 13.0E '19.2E Aurora'");
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "Imported 2 satellites with 3 transponders (1 skipped)\n");
    Database db;
    ASSERT_EQ(LoadDatabaseFile(db, sdx), OpenResult::Ok);
    EXPECT_EQ(db.sat_count(), 4);
    EXPECT_EQ(db.satellites[2].name(), "Boreal Sat");
    EXPECT_EQ(db.tp_count(), 6);
}

TEST_F(SatXmlCli, RefusalsLeaveTheFileUnchanged) {
    Write(dir / "bad.xml", "<satellites>\n<sat name='x' position='1'>\n");
    const auto before = ReadBytes(sdx);
    struct Row {
        std::string args;
        std::string message;
    } rows[] = {
        {xml + " 19.3E", "No satellite of the satellites.xml matches \"19.3E\".\n"},
        {dir / "bad.xml" + " 19.2E", "This file is not XML: line 2"},
        {dir / "none.xml" + " 19.2E", "Can't not open the file!\n"},
    };
    for (const Row& row : rows) {
        const CliRun r = Run("xml-import " + sdx + " " + row.args);
        EXPECT_EQ(r.exit_code, 1) << row.args;
        EXPECT_EQ(r.err.rfind(row.message, 0), 0u) << r.err;
        EXPECT_EQ(ReadBytes(sdx), before) << row.args;
    }
    const CliRun update = Run("xml-update " + sdx + " " + dir / "bad.xml");
    EXPECT_EQ(update.exit_code, 1);
    EXPECT_EQ(ReadBytes(sdx), before);
}

TEST_F(SatXmlCli, UpdatePrintsWhatChangedAsJson) {
    const CliRun r = Run("xml-update " + sdx + " " + xml + " --remove-vanished");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto json = cli::Json::parse(r.out);
    EXPECT_EQ(json, cli::Json::parse(R"({"added": 1, "updated": 1,
        "vanished": [{"satellite": 0, "transponder": 1, "channels": 1}], "removed": 0})"));
    EXPECT_EQ(json.begin().key(), "added");
    Database db;
    ASSERT_EQ(LoadDatabaseFile(db, sdx), OpenResult::Ok);
    EXPECT_EQ(db.transponders[0].frequency(), 10701);
    // Nothing left to change: the file is not written again.
    const auto saved = ReadBytes(sdx);
    const CliRun again = Run("xml-update " + sdx + " " + xml);
    EXPECT_EQ(again.exit_code, 0);
    EXPECT_EQ(cli::Json::parse(again.out)["updated"], 0);
    EXPECT_EQ(ReadBytes(sdx), saved);
}

TEST_F(SatXmlCli, ExportReadBackGivesTheSameTransponders) {
    const CliRun r = Run("export " + sdx + " --format satellites-xml -o " + dir / "out.xml");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    ASSERT_EQ(Run("new " + dir / "fresh.sdx").exit_code, 0);
    const CliRun back = Run("xml-import " + dir / "fresh.sdx " + dir / "out.xml" + " 19.2E 0.0E");
    ASSERT_EQ(back.exit_code, 0) << back.err;
    Database a, b;
    ASSERT_EQ(LoadDatabaseFile(a, sdx), OpenResult::Ok);
    ASSERT_EQ(LoadDatabaseFile(b, dir / "fresh.sdx"), OpenResult::Ok);
    ASSERT_EQ(a.tp_count(), b.tp_count());
    for (int i = 0; i < a.tp_count(); ++i)
        EXPECT_EQ(a.transponders[i].bytes, b.transponders[i].bytes) << i;
}

}  // namespace
}  // namespace velmora
