// Pictures of the tree's lines, the two-page print preview and the active pane, for the
// README (run under xvfb-run with QT_QPA_PLATFORM=xcb, and QT_SCALE_FACTOR=1.5 to look
// at the lines scaled). Skipped unless VELMORA_SCREENSHOT_DIR names the folder.

#include <QDir>
#include <QPrintPreviewDialog>

#include "commands/CommandIds.h"
#include "printing/qt/PrintController.h"
#include "tests/gui/IntegrationFixture.h"

namespace velmora::testing {
namespace {

class DailyUseScreenshots : public ScreenshotTest {
protected:
    void SetUp() override {
        ScreenshotTest::SetUp();
        if (IsSkipped()) return;
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    }
};

TEST_F(DailyUseScreenshots, TreeActivePaneAndPreview) {
    tree->SatelliteNode(0)->setExpanded(true);
    tree->SatelliteNode(2)->setExpanded(true);
    tree->setCurrentItem(tree->TransponderNode(0, 1));
    tree->setFocus();
    frame->splitter()->setSizes({300, 900});
    Save(*tree, "tree-lines.png");

    view->SelectRows({2, 3});
    view->setFocus();
    Save(*frame, "active-pane.png");

    PrintController printer;
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    QTimer::singleShot(300, [this] {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
            Save(*preview, "print-preview-two-pages.png");
            preview->reject();
        }
    });
    printer.PrintPreview(frame, db(), view->list());
}

}  // namespace
}  // namespace velmora::testing
