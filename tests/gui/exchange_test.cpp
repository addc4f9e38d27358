// File > Export and File > "Apply CSV Edits..." in the main window on the example
// database: the files written, the edits shown in the list, one undo step taking them back.

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "commands/CommandIds.h"
#include "exchange/ChannelCsv.h"
#include "exchange/ChannelHtml.h"
#include "exchange/CsvText.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/qt/CCsvEditsPreviewDlg.h"
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
    // Answers the next preview with Apply or Cancel, keeping its rows (and a picture of
    // it when VELMORA_SCREENSHOT_DIR names a folder).
    void OnPreview(QDialogButtonBox::StandardButton answer, const char* shot = nullptr) {
        QTimer::singleShot(0, [this, answer, shot] {
            auto* dialog = qobject_cast<CCsvEditsPreviewDlg*>(QApplication::activeModalWidget());
            if (!dialog) return;
            previewed = true;
            for (int i = 0; i < dialog->list()->count(); ++i)
                preview_rows << dialog->list()->item(i)->text();
            warned = dialog->findChild<QLabel*>(QStringLiteral("warning")) != nullptr;
            const QString out = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
            if (shot && !out.isEmpty()) {
                dialog->show();
                QApplication::processEvents();
                dialog->grab().save(QDir(out).filePath(QString::fromLatin1(shot)));
            }
            dialog->findChild<QDialogButtonBox*>()->button(answer)->click();
        });
    }
    void WriteEdits(CsvReadResult& csv) {
        std::string text;
        for (const CsvRecord& r : csv.records) AppendCsvRecord(text, r.fields);
        WriteBytes(Path("edits.csv"), std::vector<uint8_t>(text.begin(), text.end()));
        chooser.answers = {Path("edits.csv")};
    }
    std::string example;
    bool previewed = false;
    bool warned = false;
    QStringList preview_rows;
};

TEST_F(ExchangeInWindow, ExportWritesTheShownTableOrBothAsTheUserAnswers) {
    QMenu* file = frame->menuBar()->actions()[0]->menu();
    QAction* export_entry = nullptr;
    for (QAction* a : file->actions())
        if (a->menu()) export_entry = a;
    ASSERT_TRUE(export_entry);
    const QList<QAction*> entries = export_entry->menu()->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("Channels as &CSV..."));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("Channels as &HTML..."));
    EXPECT_EQ(entries[2]->text(), QStringLiteral("&Satellites as satellites.xml..."));
    EXPECT_TRUE(entries[0]->isEnabled());

    prompter.answers = {Answer::Yes};
    chooser.answers = {Path("both")};
    entries[0]->trigger();
    EXPECT_EQ(prompter.texts().back(), BothTablesQuestion(false));
    EXPECT_EQ(Text(Path("both.csv")), ChannelsCsv(db(), ChannelTables::Both)) << ".csv appended";
    EXPECT_EQ(chooser.asked.back().proposed, Path("example.csv")) << "named after the database";
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Exported to both.csv"));
    // Its second file type begins the file with the byte-order mark Excel needs.
    prompter.answers = {Answer::Yes};
    chooser.answers = {Path("excel.csv")};
    chooser.chosen_type = kCsvWithBomFilter;
    entries[0]->trigger();
    chooser.chosen_type = 0;
    EXPECT_EQ(Text(Path("excel.csv")), ChannelsCsv(db(), ChannelTables::Both, true));

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
    OnPreview(QDialogButtonBox::Apply);
    frame->action(kCmdApplyCsvEdits)->trigger();
    EXPECT_TRUE(previewed);
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

TEST_F(ExchangeInWindow, ThePreviewWarnsOfConvertedNamesFirstAndCancelChangesNothing) {
    ChangeDb([](Database& d) {
        d.tv[2].set_name("007");
        d.tv[4].set_name("3/4");
    });
    const std::vector<uint8_t> before = Snapshot(db());
    CsvReadResult csv = ReadCsvRecords(ChannelsCsv(db(), ChannelTables::Both));
    csv.records[1].fields[kCsvName] = "Renamed";
    csv.records[3].fields[kCsvName] = "7";
    csv.records[5].fields[kCsvName] = "03.Apr";
    std::swap(csv.records[6], csv.records[7]);
    WriteEdits(csv);
    OnPreview(QDialogButtonBox::Cancel, "screenshot-csv-preview.png");
    frame->RunCommand(kCmdApplyCsvEdits);
    ASSERT_TRUE(previewed);
    EXPECT_TRUE(warned);
    ASSERT_GE(preview_rows.size(), 4);
    EXPECT_EQ(preview_rows[0], QStringLiteral("TV 3: 007 → 7"));
    EXPECT_EQ(preview_rows[1], QStringLiteral("TV 5: 3/4 → 03.Apr"));
    EXPECT_TRUE(Snapshot(db()) == before) << "Cancel changed the tables";

    previewed = false;
    chooser.answers = {Path("edits.csv")};
    OnPreview(QDialogButtonBox::Apply);
    frame->RunCommand(kCmdApplyCsvEdits);
    EXPECT_TRUE(previewed);
    EXPECT_EQ(db().tv[2].name(), "7");
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QStringLiteral("3 channels renamed, 1 moved, 0 with other changes"));
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
