// File > Export and File > "Apply CSV Edits..." in the main window on the example
// database: the files written, the edits shown in the list, one undo step taking them back.

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <filesystem>

#include "commands/CommandIds.h"
#include "exchange/ChannelCsv.h"
#include "exchange/ChannelHtml.h"
#include "exchange/CsvText.h"
#include "exchange/ExchangeCommands.h"
#include "tests/core/TestDatabases.h"
#include "tests/gui/GuiFixture.h"

namespace velmora::testing {
namespace {

class ExchangeInWindow : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        example = Path("example.sdx");
        std::filesystem::copy_file(std::string(VELMORA_SOURCE_DIR) + "/examples/sample.sdx",
                                   example);
        Start({QString::fromStdString(example)});
        tree->setCurrentItem(tree->RootNode(kRootChannelList));
    }
    std::string Text(const std::string& path) {
        const auto bytes = ReadBytes(path);
        return std::string(bytes.begin(), bytes.end());
    }
    QString NameCell(int row) { return view->model()->index(row, 1).data().toString(); }
    std::string example;
};

TEST_F(ExchangeInWindow, ExportWritesTheShownTableOrBothAsTheUserAnswers) {
    QMenu* file = frame->menuBar()->actions()[0]->menu();
    QAction* export_entry = nullptr;
    for (QAction* a : file->actions())
        if (a->menu()) export_entry = a;
    ASSERT_TRUE(export_entry);
    const QList<QAction*> entries = export_entry->menu()->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("Channels as CSV..."));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("Channels as HTML..."));
    EXPECT_EQ(entries[2]->text(), QStringLiteral("Satellites as satellites.xml..."));
    EXPECT_TRUE(entries[0]->isEnabled());

    prompter.answers = {Answer::Yes};
    chooser.answers = {Path("both")};
    entries[0]->trigger();
    EXPECT_EQ(prompter.texts().back(), BothTablesQuestion(false));
    EXPECT_EQ(Text(Path("both.csv")), ChannelsCsv(db(), ChannelTables::Both)) << ".csv appended";

    frame->RunCommand(kCmdRadioChannel);
    prompter.answers = {Answer::No};
    chooser.answers = {Path("radio.HTML")};
    entries[1]->trigger();
    EXPECT_EQ(chooser.asked.back().filter, std::string(kHtmlFilter));
    EXPECT_EQ(Text(Path("radio.HTML")),
              ChannelsHtml(db(), ChannelTables::Radio, view->list().ShownColumns(), "example.sdx"));
}

TEST_F(ExchangeInWindow, AppliedEditsShowInTheListAndUndoTakesThemBack) {
    const std::vector<uint8_t> before = Snapshot(db());
    CsvReadResult csv = ReadCsvRecords(ChannelsCsv(db(), ChannelTables::Both));
    const int tv = db().tv_count();
    ASSERT_GE(tv, 2);
    csv.records[1].fields[kCsvName] =
        "S\xC3\xBC"
        "dwest";
    std::reverse(csv.records.begin() + 1, csv.records.begin() + 1 + tv);
    std::string text;
    for (const CsvRecord& r : csv.records) AppendCsvRecord(text, r.fields);
    const std::string edits = Path("edits.csv");
    WriteBytes(edits, std::vector<uint8_t>(text.begin(), text.end()));
    const std::string old_last = db().tv[tv - 1].name();

    chooser.answers = {edits};
    frame->action(kCmdApplyCsvEdits)->trigger();
    EXPECT_TRUE(prompter.shown.empty()) << prompter.texts().front();
    EXPECT_EQ(db().tv[tv - 1].name(),
              "S\xFC"
              "dwest")
        << "renamed and moved to the end";
    EXPECT_EQ(db().tv[0].name(), old_last);
    EXPECT_EQ(NameCell(tv - 1), QStringLiteral("Südwest"));
    EXPECT_TRUE(app->doc().IsModified());
    EXPECT_EQ(frame->action(kCmdEditUndo)->text(), QStringLiteral("&Undo Apply CSV Edits"));

    frame->RunCommand(kCmdEditUndo);
    EXPECT_TRUE(Snapshot(db()) == before) << "one step takes the whole file back";
    EXPECT_EQ(NameCell(tv - 1), QString::fromLatin1(old_last.c_str()));
}

TEST_F(ExchangeInWindow, ARefusedFileIsToldAndChangesNothing) {
    const std::vector<uint8_t> before = Snapshot(db());
    std::string text = ChannelsCsv(db(), ChannelTables::Both);
    text += "tv,1,X,,,,,,4000,1,101,,101,8191,0,0,0,0,0,0,0,0,0,0\r\n";
    WriteBytes(Path("bad.csv"), std::vector<uint8_t>(text.begin(), text.end()));
    const int line = db().tv_count() + db().radio_count() + 2;
    chooser.answers = {Path("bad.csv")};
    frame->RunCommand(kCmdApplyCsvEdits);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "line " + std::to_string(line) +
                                          ", column service_number: No TV channel has tp_id "
                                          "4000 and service_number 1.");
    EXPECT_TRUE(Snapshot(db()) == before);
    EXPECT_FALSE(app->doc().IsModified());
    EXPECT_FALSE(frame->action(kCmdEditUndo)->isEnabled());
}

}  // namespace
}  // namespace velmora::testing
