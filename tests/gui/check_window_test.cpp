// "Check Database...": the window lists a database's findings by kind, shows a finding's
// record in the tree and the list, tints the rows of duplicates, and "Fix" is one undo step.

#include <QDir>
#include <QPushButton>
#include <QStatusBar>

#include "commands/CommandIds.h"
#include "health/Fixes.h"
#include "tests/gui/GuiFixture.h"

namespace velmora::testing {
namespace {

class CheckWindowTest : public GuiTest {
protected:
    // The sample, mended, then with TV channel 0 repeated at the end (a duplicate) and a
    // channel on a transponder id no transponder has (an orphan).
    void StartWithFindings() {
        FixAllFindings(*expected);
        const int n = expected->tv_count();
        expected->tv[n] = expected->tv[0];
        expected->tv[n].set_service_number(60000);
        expected->tv[n + 1] = expected->tv[1];
        expected->tv[n + 1].set_tp_id(1999);
        expected->set_tv_count(n + 2);
        duplicate = n;
        ASSERT_EQ(SaveDatabaseFile(*expected, sample), SaveResult::Written);
        StartWithSample();
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        QTest::keyClick(frame, Qt::Key_K, Qt::ControlModifier);
        window = frame->checkWindow();
        ASSERT_TRUE(window && window->isVisible());
    }
    QTreeWidgetItem* Group(int k) const { return window->findingList()->topLevelItem(k); }
    QPushButton* Button(const char* name) const {
        return window->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    int RowOf(int position) const {
        const auto& rows = view->list().row_map();
        return static_cast<int>(std::find(rows.begin(), rows.end(), position) - rows.begin());
    }

    CheckWindow* window = nullptr;
    int duplicate = 0;
};

TEST_F(CheckWindowTest, ListsFindingsByKindShowsOneFixesItAndUndoes) {
    StartWithFindings();
    ASSERT_EQ(window->findingList()->topLevelItemCount(), 2);
    EXPECT_EQ(Group(0)->text(0), QStringLiteral("Duplicate channels (1)"));
    EXPECT_EQ(Group(1)->text(0), QStringLiteral("Channels without a transponder (1), not fixed"));
    EXPECT_TRUE(Button("fixAll")->isEnabled());
    EXPECT_FALSE(Button("fix")->isEnabled());

    // Selecting the duplicate shows its transponder in the tree and its row in the list.
    // (the user's click: selecting it in code moves nothing in the main window).
    QTreeWidget* findings = window->findingList();
    QTest::mouseClick(findings->viewport(), Qt::LeftButton, {},
                      findings->visualItemRect(Group(0)->child(0)).center());
    const Transponder& tp = db().transponders[db().FindTransponder(db().tv[0].tp_id())];
    EXPECT_EQ(tree->SelectedNode().kind, TreeNodeKind::Transponder);
    EXPECT_EQ(view->list().current_tp_id(), tp.tp_id());
    EXPECT_EQ(view->SelectedRows(), std::vector<int>{RowOf(0)});
    const QModelIndex repeated = view->model()->index(RowOf(duplicate), 1);
    EXPECT_TRUE(repeated.data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(repeated.data(Qt::ToolTipRole).toString(), Group(0)->child(0)->text(0));
    ASSERT_TRUE(Button("fix")->isEnabled());

    QTest::mouseClick(Button("fix"), Qt::LeftButton);
    EXPECT_EQ(db().tv_count(), duplicate + 1);
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Fixed 1 finding"));
    EXPECT_TRUE(frame->doc().IsModified());
    ASSERT_EQ(window->findings().size(), 1u);
    EXPECT_EQ(window->findings()[0].kind, FindingKind::OrphanChannel);
    EXPECT_EQ(window->findings()[0].index, duplicate);
    EXPECT_EQ(frame->action(kCmdEditUndo)->text(), QStringLiteral("&Undo Fix"));

    frame->RunCommand(kCmdEditUndo);
    EXPECT_EQ(db().tv_count(), duplicate + 2);
    EXPECT_EQ(window->findings().size(), 2u);
    EXPECT_EQ(window->findingList()->topLevelItemCount(), 2);

    // Closed, the window no longer tints the list.
    window->close();
    EXPECT_FALSE(view->model()->index(RowOf(duplicate), 1).data(Qt::BackgroundRole).isValid());
}

// A picture of the window for the README; skipped unless VELMORA_SCREENSHOT_DIR is set.
TEST_F(CheckWindowTest, Screenshot) {
    const QString out = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "VELMORA_SCREENSHOT_DIR is not set";
    StartWithFindings();
    window->findingList()->setCurrentItem(Group(0)->child(0));
    QApplication::processEvents();
    EXPECT_TRUE(window->grab().save(QDir(out).filePath(QStringLiteral("screenshot-check.png"))));
    EXPECT_TRUE(
        frame->grab().save(QDir(out).filePath(QStringLiteral("screenshot-check-list.png"))));
}

}  // namespace
}  // namespace velmora::testing
