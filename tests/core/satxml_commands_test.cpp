// The editor's satellites.xml commands over the scripted windows: the load window, the
// update preview and the export, each change one undo step.

#include <gtest/gtest.h>

#include <cstring>

#include "satxml/SatXmlForms.h"
#include "satxml/SatXmlReader.h"
#include "tests/core/TestDatabases.h"
#include "tests/core/scripted_dialog_host.h"
#include "tests/support/SatXmlText.h"

namespace velmora {
namespace {

using testing::XmlDoc;
using testing::XmlSat;
using testing::XmlTp;

class SatXmlCommands : public ::testing::Test {
protected:
    void SetUp() override {
        bench.db().tables() = testing::MakeSmallDatabase()->tables();
        bench.db().satellites[0].set_angle(1920);
        bench.db().database_open = true;
        const std::string text =
            XmlDoc(XmlSat("19.2E Aurora", 192,
                          XmlTp(10700000, 22000000, 0) + XmlTp(11900000, 27500000, 1)) +
                   XmlSat("13.0E Boreal", 130, XmlTp(11000000, 27500000, 0)) +
                   XmlSat("3.1E Calor C-band", 31,
                          XmlTp(3700000, 27500000, 1) + XmlTp(3800000, 27500000, 1)));
        testing::WriteBytes(xml, std::vector<uint8_t>(text.begin(), text.end()));
        before = std::make_unique<DatabaseTables>(bench.db().tables());
    }
    bool Unchanged() {
        return std::memcmp(&bench.db().tables(), before.get(), sizeof(DatabaseTables)) == 0;
    }

    testing::TempDir dir;
    const std::string xml = dir / "satellites.xml";
    testing::CommandBench bench;
    std::unique_ptr<DatabaseTables> before;
};

TEST_F(SatXmlCommands, LoadWindowAddsTheCheckedSatellitesAsOneStep) {
    bench.node = {TreeNodeKind::Antenna};
    bench.chooser.answers.push_back(xml);
    bench.dialogs.satxml_load = [](SatXmlLoadForm& form) {
        EXPECT_EQ(form.rows.size(), 3u);
        EXPECT_EQ(form.rows[2].band, "C");
        form.filter = "BOR";
        EXPECT_FALSE(form.Shows(0));
        EXPECT_TRUE(form.Shows(1));
        form.rows[1].checked = form.rows[2].checked = true;
        EXPECT_EQ(form.Counts(), "adds 2 satellites / 3 transponders of 61/1997 free");
        return true;
    };
    const ViewEffect e = bench.Run(kCmdLoadSatXml);
    EXPECT_EQ(e.added_satellites, (std::vector<int>{2, 3}));
    EXPECT_EQ(bench.db().satellites[3].name(), "Calor C-band");
    EXPECT_EQ(bench.doc.history().UndoLabel(), "Load Satellites");
    bench.Run(kCmdEditUndo);
    EXPECT_TRUE(Unchanged());
}

TEST_F(SatXmlCommands, CancelOrAnUnreadableFileChangesNothing) {
    bench.node = {TreeNodeKind::Antenna};
    bench.chooser.answers.push_back(xml);
    bench.dialogs.satxml_load = [](SatXmlLoadForm&) { return false; };
    bench.Run(kCmdLoadSatXml);
    bench.chooser.answers.push_back(dir / "missing.xml");
    bench.Run(kCmdLoadSatXml);
    EXPECT_TRUE(Unchanged());
    EXPECT_EQ(bench.prompter.texts(), std::vector<std::string>{"Can't not open the file!"});
}

TEST_F(SatXmlCommands, UpdatePreviewShowsTheChangesBeforeTheyAreMade) {
    bench.node = {TreeNodeKind::Satellite, 0};
    bench.chooser.answers.push_back(xml);
    bench.dialogs.satxml_update = [&](SatXmlUpdateForm& form) {
        EXPECT_TRUE(Unchanged());
        EXPECT_EQ(form.Summary(), "adds 1, changes 1, vanished 1 (0 without channels)");
        EXPECT_EQ(form.rows.at(2).change, "Vanished");
        EXPECT_EQ(form.rows.at(2).detail, "1 channel");
        form.remove_vanished = true;
        return true;
    };
    const ViewEffect e = bench.Run(kCmdUpdateSatXml);
    EXPECT_EQ(e.tree.change, TreeChange::RebuildSatellites);
    EXPECT_EQ(bench.db().transponders[0].symbol_rate(), 22000);
    EXPECT_EQ(bench.db().tp_count(), 4);  // the vanished one carries a channel and stays
    EXPECT_EQ(bench.doc.history().UndoLabel(), "Update Transponders");
    bench.Run(kCmdEditUndo);
    EXPECT_TRUE(Unchanged());
}

TEST_F(SatXmlCommands, ExportWritesAFileTheReaderTakes) {
    bench.chooser.answers.push_back(dir / "out");
    bench.Run(kCmdExportSatXml);
    const SatXmlRead read = ReadSatellitesXmlFile(dir / "out.xml");
    ASSERT_TRUE(read.ok()) << read.problem;
    EXPECT_EQ(read.satellites.size(), 2u);
    EXPECT_EQ(read.satellites[0].name, "19.2E Aurora 19.2E");
    EXPECT_TRUE(Unchanged());
}

}  // namespace
}  // namespace velmora
