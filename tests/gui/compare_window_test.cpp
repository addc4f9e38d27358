// The comparison in the editor: "Compare With..." over the example and a changed copy,
// the window's rows and filters, selecting a row, "Copy to this database" as one undo
// step, "Apply Order From..." with its status-bar message, and the keys of the windows
// beside the editor.

#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTreeWidgetItemIterator>

#include "commands/CommandIds.h"
#include "compare/CompareCommands.h"
#include "compare/qt/CompareController.h"
#include "tests/core/TestDatabases.h"
#include "tests/gui/IntegrationFixture.h"

namespace velmora::testing {
namespace {

class CompareWindowTest : public IntegrationTest {
protected:
    void SetUp() override {
        IntegrationTest::SetUp();
        example = Path("example.sdx");
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_SOURCE_DIR "/examples/sample.sdx"),
                                QString::fromStdString(example)));
        // The changed copy: one TV channel renamed, one channel only there.
        auto other = std::make_unique<Database>();
        ASSERT_EQ(LoadDatabaseFile(*other, example), OpenResult::Ok);
        other->tv[2].set_name("Renamed There");
        Channel extra = other->tv[0];
        extra.set_name("Only There");
        extra.set_video_pid(4001);
        extra.set_pcr_pid(4001);
        extra.set_service_number(777);
        AppendChannel(*other, false, extra);
        other_path = Path("other.sdx");
        ASSERT_EQ(SaveDatabaseFile(*other, other_path), SaveResult::Written);

        Start({QString::fromStdString(example)});
        frame->resize(1200, 700);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    }

    CompareController& Compare() { return *frame->findChild<CompareController*>(); }

    // Index of the first row of `section` and `status` whose texts hold `text`, or -1.
    int FindRow(CompareSection section, CompareStatus status, const std::string& text) {
        const auto& rows = Compare().rows();
        for (size_t i = 0; i < rows.size(); ++i) {
            const CompareRow& r = rows[i];
            if (r.section == section && r.status == status &&
                (r.here_text + r.there_text).find(text) != std::string::npos)
                return static_cast<int>(i);
        }
        return -1;
    }

    std::string example;
    std::string other_path;
};

TEST_F(CompareWindowTest, CompareWithAChangedCopyCopyAChannelAcrossAndUndo) {
    const std::vector<uint8_t> before = Snapshot(db());
    const int tv_before = db().tv_count();
    chooser.answers.push_back(other_path);
    frame->RunCommand(kCmdCompareWith);
    CompareWindow* window = Compare().window();
    ASSERT_TRUE(window);
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(prompter.shown.empty());

    const int renamed = FindRow(CompareSection::Tv, CompareStatus::Changed, "Renamed There");
    ASSERT_GE(renamed, 0);
    EXPECT_EQ(Compare().rows()[renamed].fields, "name");
    // Selecting the changed row shows the channel here, selected in the TV list.
    ASSERT_TRUE(window->SelectRow(renamed));
    const QModelIndex clicked = window->table()->currentIndex();
    QTest::mouseClick(window->table()->viewport(), Qt::LeftButton, {},
                      window->table()->visualRect(clicked).center());
    EXPECT_EQ(view->list().shown_table(), ChannelTable::Tv);
    ASSERT_EQ(view->SelectedRows().size(), 1u);
    EXPECT_EQ(view->list().row_map()[view->SelectedRows()[0]], 2);

    // Filtered to what only the other database holds, the new channel is the one row.
    window->statusFilter()->setCurrentIndex(1 + static_cast<int>(CompareStatus::OnlyThere));
    window->textFilter()->setText(QStringLiteral("only"));
    ASSERT_EQ(window->model()->rowCount(), 1);
    window->table()->selectRow(0);
    QTest::mouseClick(window->copyButton(), Qt::LeftButton);

    ASSERT_EQ(db().tv_count(), tv_before + 1);
    EXPECT_EQ(db().tv[tv_before].name(), "Only There");
    EXPECT_TRUE(app->doc().IsModified());
    EXPECT_EQ(app->doc().history().UndoLabel(), "Copy to this database");
    EXPECT_EQ(FindRow(CompareSection::Tv, CompareStatus::OnlyThere, "Only There"), -1);
    EXPECT_EQ(window->model()->rowCount(), 0);

    frame->RunCommand(kCmdEditUndo);
    EXPECT_EQ(Snapshot(db()), before);
    EXPECT_FALSE(app->doc().IsModified());
    ExpectTreeShowsTheTables();

    const QString shots = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        // More to read: the renamed channel also locked, scrambled and in the third
        // group, a transponder with another symbol rate, a lock set.
        auto richer = std::make_unique<Database>();
        ASSERT_EQ(LoadDatabaseFile(*richer, other_path), OpenResult::Ok);
        Channel& ch = richer->tv[2];
        ch.set_locked(!ch.locked());
        ch.set_fta(!ch.fta());
        ch.set_fav(2, !ch.fav(2));
        richer->transponders[0].set_symbol_rate(22000);
        richer->settings.set_lock_flags(richer->settings.lock_flags() ^ 1u);
        ASSERT_EQ(SaveDatabaseFile(*richer, other_path), SaveResult::Written);
        chooser.answers.push_back(other_path);
        frame->RunCommand(kCmdCompareWith);
        window->statusFilter()->setCurrentIndex(0);
        window->textFilter()->clear();
        window->SelectRow(FindRow(CompareSection::Tv, CompareStatus::Changed, "Renamed There"));
        window->resize(1060, 480);
        window->activateWindow();
        QApplication::processEvents();
        EXPECT_TRUE(
            window->grab().save(QDir(shots).filePath(QStringLiteral("compare-window.png"))));
    }
}

// The windows beside the editor follow every step of the document at once, keep their
// selection, and leave the main window's selection to the user.
TEST_F(CompareWindowTest, BesideWindowsFollowEachStepKeepingTheirSelection) {
    chooser.answers.push_back(other_path);
    frame->RunCommand(kCmdCompareWith);
    CompareWindow* compare = Compare().window();
    ASSERT_TRUE(compare);
    frame->RunCommand(kCmdCheckDatabase);
    CheckWindow* check = frame->checkWindow();
    ASSERT_TRUE(check && check->isVisible());
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    const int renamed = FindRow(CompareSection::Tv, CompareStatus::Changed, "Renamed There");
    ASSERT_TRUE(compare->SelectRow(renamed));
    const size_t rows_before = Compare().rows().size();
    auto selected_text = [&] {
        const std::vector<int> rows = compare->SelectedRows();
        return rows.size() == 1 ? Compare().rows()[static_cast<size_t>(rows[0])].there_text
                                : std::string();
    };
    const std::string kept = selected_text();
    ASSERT_FALSE(kept.empty());

    view->SelectRows({0});
    prompter.answers.push_back(Answer::Yes);
    frame->RunCommand(kCmdDeleteChannel);
    const struct {
        int id;
        size_t rows;
    } steps[] = {
        {0, rows_before + 1}, {kCmdEditUndo, rows_before}, {kCmdEditRedo, rows_before + 1}};
    for (const auto& step : steps) {
        if (step.id) frame->RunCommand(step.id);
        SCOPED_TRACE(step.id);
        EXPECT_EQ(Compare().rows().size(), step.rows);
        EXPECT_EQ(compare->model()->rowCount(), static_cast<int>(step.rows));
        EXPECT_EQ(check->findings(), CheckDatabase(db()));
        EXPECT_EQ(selected_text(), kept);
        EXPECT_EQ(tree->SelectedNode().kind, TreeNodeKind::ChannelList);
    }
}

// In both windows beside the editor Enter on a row shows its record as a click does, and
// Esc closes the window; the comparison lists the current row's changes with both values.
TEST_F(CompareWindowTest, EnterShowsARowsRecordAndEscClosesTheWindow) {
    // Something for the check to find: TV channel 0 repeated at the end.
    ChangeTables(app->doc(), [](Database& d) {
        Channel copy = d.tv[0];
        copy.set_fav_marks(0);
        copy.set_service_number(60000);
        AppendChannel(d, false, copy);
    });
    chooser.answers.push_back(other_path);
    frame->RunCommand(kCmdCompareWith);
    frame->RunCommand(kCmdCheckDatabase);
    CompareWindow* compare = Compare().window();
    CheckWindow* check = frame->checkWindow();
    ASSERT_TRUE(compare && check);
    const int renamed = FindRow(CompareSection::Tv, CompareStatus::Changed, "Renamed There");
    ASSERT_TRUE(compare->SelectRow(renamed));
    ASSERT_EQ(compare->details()->topLevelItemCount(), 1);
    EXPECT_EQ(compare->details()->topLevelItem(0)->text(0), QStringLiteral("Name"));
    EXPECT_EQ(compare->details()->topLevelItem(0)->text(2), QStringLiteral("Renamed There"));
    // The first finding about a TV channel.
    QTreeWidget* findings = check->findingList();
    const Finding* finding = nullptr;
    for (QTreeWidgetItemIterator it(findings); *it && !finding; ++it) {
        const Finding* f = check->FindingAt(*it);
        if (f && f->table == FindingTable::Tv) {
            finding = f;
            findings->setCurrentItem(*it);
        }
    }
    ASSERT_TRUE(finding);

    const struct {
        QWidget* window;
        QAbstractItemView* rows;
        int channel;  // the TV channel Enter shows
    } windows[] = {{compare, compare->table(), 2}, {check, findings, finding->index}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.window->objectName().toStdString());
        tree->setCurrentItem(tree->RootNode(kRootFavList));
        QTest::keyClick(w.rows, Qt::Key_Return);
        EXPECT_EQ(view->list().shown_table(), ChannelTable::Tv);
        ASSERT_EQ(view->SelectedRows().size(), 1u);
        EXPECT_EQ(view->list().row_map()[view->SelectedRows()[0]], w.channel);
        QTest::keyClick(w.rows, Qt::Key_Escape);
        EXPECT_FALSE(w.window->isVisible());
    }
}

// A changed field is copied across from the row's pop-up menu as one undo step; the copy
// is offered only while the selection holds something to copy.
TEST_F(CompareWindowTest, CopyAChangedFieldAcrossAndUndoIt) {
    const std::vector<uint8_t> before = Snapshot(db());
    chooser.answers.push_back(other_path);
    frame->RunCommand(kCmdCompareWith);
    CompareWindow* window = Compare().window();
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->copyButton()->isEnabled()) << "nothing selected";
    const int renamed = FindRow(CompareSection::Tv, CompareStatus::Changed, "Renamed There");
    ASSERT_TRUE(window->SelectRow(renamed));
    EXPECT_TRUE(window->copyButton()->isEnabled());

    std::unique_ptr<QMenu> menu = Compare().BuildCopyMenu();
    ASSERT_TRUE(menu);
    QAction* only_name = nullptr;
    for (QAction* a : menu->actions())
        if (a->text() == QStringLiteral("Copy only name")) only_name = a;
    ASSERT_TRUE(only_name);
    only_name->trigger();
    EXPECT_EQ(db().tv[2].name(), "Renamed There");
    EXPECT_EQ(app->doc().history().UndoLabel(), "Copy to this database");
    EXPECT_TRUE(frame->statusBar()->currentMessage().startsWith(QStringLiteral("Copied ")));
    EXPECT_EQ(FindRow(CompareSection::Tv, CompareStatus::Changed, "Renamed There"), -1);

    frame->RunCommand(kCmdEditUndo);
    EXPECT_EQ(Snapshot(db()), before);
    EXPECT_GE(FindRow(CompareSection::Tv, CompareStatus::Changed, "Renamed There"), 0);
}

TEST_F(CompareWindowTest, ACompareFileThatIsNoDatabaseIsRefusedWithOpensMessage) {
    const std::string text = Path("names.txt");
    WriteBytes(text, {'a', '\n'});
    chooser.answers.push_back(text);
    frame->RunCommand(kCmdCompareWith);
    EXPECT_FALSE(Compare().window());
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"This file is not a correct file,please select another!"});
}

TEST_F(CompareWindowTest, ApplyOrderFromANameListIsOneUndoStep) {
    const std::vector<uint8_t> before = Snapshot(db());
    const std::string last = db().tv[db().tv_count() - 1].name();
    const std::string list = Path("order.txt");
    WriteBytes(list, std::vector<uint8_t>(last.begin(), last.end()));
    chooser.answers.push_back(list);
    frame->RunCommand(kCmdApplyOrderFrom);

    EXPECT_EQ(db().tv[0].name(), last);
    const QString message = frame->statusBar()->currentMessage();
    EXPECT_TRUE(message.startsWith(QStringLiteral("Ordered "))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral(" radio channels"))) << message.toStdString();
    EXPECT_EQ(app->doc().history().UndoLabel(), "Apply Order");
    frame->RunCommand(kCmdEditUndo);
    EXPECT_EQ(Snapshot(db()), before);
}

}  // namespace
}  // namespace velmora::testing
