// Pictures of the main window, the tree's menus and every dialog the tree and the list
// open, for looking them over (run under xvfb-run with QT_QPA_PLATFORM=xcb). Skipped
// unless VELMORA_SCREENSHOT_DIR names the folder to write them to.

#include <QDir>
#include <QMenuBar>

#include "channels/ChannelForm.h"
#include "channels/MoveForm.h"
#include "satellites/ModifiedTpList.h"
#include "satellites/SatelliteForm.h"
#include "satellites/TransponderForm.h"
#include "settings/FavouriteNameForm.h"
#include "settings/OtherSettingsForm.h"
#include "settings/ParentalForm.h"
#include "tests/gui/IntegrationFixture.h"

namespace velmora::testing {
namespace {

class Screenshots : public ScreenshotTest {
protected:
    // Pictures the menu of `node` and closes it.
    void MenuShot(QTreeWidgetItem* node, const char* name) {
        tree->setCurrentItem(node);
        QTimer::singleShot(50, [this, name] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                Save(*menu, name);
                menu->close();
            }
        });
        QTest::mouseClick(tree->viewport(), Qt::RightButton, {},
                          tree->visualItemRect(node).center());
    }
    ModalDriver::Step Shot(const char* name) {
        return [this, name](QDialog& d) {
            Save(d, name);
            ClickCancel(d);
        };
    }
};

TEST_F(Screenshots, WindowMenusAndDialogs) {
    tree->setCurrentItem(tree->SatelliteNode(1));
    Save(*frame, "main-window.png");
    int n = 0;
    for (QAction* top : frame->menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (!menu) continue;
        menu->popup(frame->mapToGlobal(QPoint(0, 24)));
        QTest::qWait(50);
        Save(*menu, QStringLiteral("menubar-%1.png").arg(++n));
        menu->close();
    }
    MenuShot(tree->RootNode(kRootAntenna), "menu-antenna.png");
    MenuShot(tree->SatelliteNode(0), "menu-satellite.png");
    MenuShot(tree->TransponderNode(0, 0), "menu-transponder.png");
    MenuShot(tree->GroupNode(0), "menu-group.png");

    ModalDriver dialogs;
    dialogs.Then(kSatelliteDialogId, Shot("satellite-dialog.png"));
    tree->setCurrentItem(tree->SatelliteNode(0));
    tree->RunMenuCommand(kCmdEditAntenna);
    dialogs.Then(kMoveDialogId, Shot("move-dialog.png"));
    tree->RunMenuCommand(kCmdMoveAntenna);
    dialogs.Then(kModifyTpDialogId, Shot("modify-tp-dialog.png"));
    tree->RunMenuCommand(kCmdModifyTransponders);
    dialogs.Then(kTransponderDialogId, Shot("transponder-dialog.png"));
    tree->setCurrentItem(tree->TransponderNode(0, 0));
    tree->RunMenuCommand(kCmdEditTransponder);
    dialogs.Then(FavouriteNameForm::kTemplateId, Shot("rename-group-dialog.png"));
    tree->setCurrentItem(tree->GroupNode(0));
    tree->RunMenuCommand(kCmdRenameFavGroup);
    dialogs.Then(ParentalForm::kTemplateId, [this](QDialog& d) {
        SetChecked(d, ParentalForm::kPasswordLockControl, true);
        SetChecked(d, ParentalForm::kChangePasswordControl, true);
        Save(d, "parental-dialog.png");
        ClickCancel(d);
    });
    PressOn(tree->RootNode(kRootParental), Qt::Key_Return);
    dialogs.Then(OtherSettingsForm::kTemplateId, Shot("other-settings-dialog.png"));
    PressOn(tree->RootNode(kRootOtherSetting), Qt::Key_Return);
    dialogs.Then(kChannelDialogId, Shot("channel-dialog.png"));
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    view->setFocus();
    view->selectRow(0);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(dialogs.handled(), 8);
}

}  // namespace
}  // namespace velmora::testing
