// The receiver settings through the main window: renaming a favourite group from its node's
// menu, and the parental and other-settings dialogs opened by Enter and double-click.

#include "settings/FavouriteNameForm.h"
#include "settings/OtherSettingsForm.h"
#include "settings/ParentalForm.h"
#include "tests/gui/IntegrationFixture.h"

namespace velmora::testing {
namespace {

class SettingsIntegration : public IntegrationTest {
protected:
    void SetUp() override {
        IntegrationTest::SetUp();
        StartShown();
    }
    QString Header(int column) {
        const std::vector<int> shown = view->list().ShownColumns();
        const auto it = std::find(shown.begin(), shown.end(), column);
        if (it == shown.end()) return {};
        return view->model()
            ->headerData(static_cast<int>(it - shown.begin()), Qt::Horizontal)
            .toString();
    }
};

TEST_F(SettingsIntegration, RenamedGroupShowsInItsNodeAndTheListHeader) {
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    ModalDriver dialogs;
    dialogs.Then(FavouriteNameForm::kTemplateId, [](QDialog& d) {
        SetText(d, FavouriteNameForm::kNameControl, QStringLiteral("Films\tNew"));
        ClickOk(d);
    });
    ChooseFromMenu(tree->GroupNode(2), kCmdRenameFavGroup);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(db().settings.fav_name(2), "FilmsNew");
    EXPECT_EQ(tree->GroupNode(2)->text(0), QStringLiteral("FilmsNew"));
    EXPECT_EQ(Header(kColFav1 + 2), QStringLiteral("FilmsNew"));
    // The group's own listing keeps the new header too.
    EXPECT_EQ(view->list().list_mode(), kListFavourite);
    EXPECT_EQ(Header(kColFav1 + 2), QStringLiteral("FilmsNew"));
    EXPECT_TRUE(app->doc().IsModified());
}

TEST_F(SettingsIntegration, CancelledRenameKeepsTheNameEverywhere) {
    const QString old_name = tree->GroupNode(5)->text(0);
    ModalDriver dialogs;
    dialogs.Then(FavouriteNameForm::kTemplateId, [](QDialog& d) {
        SetText(d, FavouriteNameForm::kNameControl, QStringLiteral("Never"));
        ClickCancel(d);
    });
    ChooseFromMenu(tree->GroupNode(5), kCmdRenameFavGroup);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(tree->GroupNode(5)->text(0), old_name);
    EXPECT_EQ(Header(kColFav1 + 5), old_name);
    EXPECT_FALSE(app->doc().IsModified());
}

TEST_F(SettingsIntegration, EnterOnParentalControlStoresTheLocks) {
    ModalDriver dialogs;
    dialogs.Then(ParentalForm::kTemplateId, [](QDialog& d) {
        SetChecked(d, ParentalForm::kPasswordLockControl, true);
        SetChecked(d, ParentalForm::kChannelLockControl, true);
        SetChecked(d, ParentalForm::kSystemLockControl, true);
        ClickOk(d);
    });
    PressOn(tree->RootNode(kRootParental), Qt::Key_Return);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(db().settings.lock_flags(), 0b1011);
    EXPECT_TRUE(app->doc().IsModified());
}

TEST_F(SettingsIntegration, DoubleClickOnParentalControlOpensItToo) {
    ModalDriver dialogs;
    dialogs.Then(ParentalForm::kTemplateId, [](QDialog& d) { ClickCancel(d); });
    DoubleClick(tree->RootNode(kRootParental));
    EXPECT_EQ(dialogs.handled(), 1);
    EXPECT_FALSE(app->doc().IsModified());
}

TEST_F(SettingsIntegration, DoubleClickOnOtherSettingStoresTheChoices) {
    ModalDriver dialogs;
    dialogs.Then(OtherSettingsForm::kTemplateId, [](QDialog& d) {
        SetRow(d, OtherSettingsForm::kMenuColorControl, 2);
        SetRow(d, OtherSettingsForm::kMenuLanguageControl, 3);
        ClickOk(d);
    });
    DoubleClick(tree->RootNode(kRootOtherSetting));
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(db().settings.menu_color(), 2);
    EXPECT_EQ(db().settings.menu_language(), 3);
    EXPECT_TRUE(app->doc().IsModified());
}

TEST_F(SettingsIntegration, EnterOnOtherSettingOpensIt) {
    ModalDriver dialogs;
    dialogs.Then(OtherSettingsForm::kTemplateId, [](QDialog& d) {
        SetRow(d, OtherSettingsForm::kTvSystemControl, 1);
        ClickOk(d);
    });
    PressOn(tree->RootNode(kRootOtherSetting), Qt::Key_Return);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_TRUE(app->doc().IsModified());
}

}  // namespace
}  // namespace velmora::testing
