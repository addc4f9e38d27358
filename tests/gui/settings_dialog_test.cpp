// The settings dialogs driven through their controls, found by control id, from the
// tree's entry points down to the stored bytes. The modal loop is replaced by a driver
// that works the controls while the dialog is shown.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QValidator>
#include <functional>
#include <memory>

#include "app/QtDialogHost.h"
#include "channels/ChannelList.h"
#include "database/Upkeep.h"
#include "database/qt/Latin1Text.h"
#include "settings/SettingsOps.h"
#include "settings/qt/CSpinButton.h"
#include "support/ScriptedPrompter.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

class DrivenSettingsDialogs : public QtDialogHost {
public:
    explicit DrivenSettingsDialogs(Prompter& prompter) : QtDialogHost(prompter, nullptr) {}
    std::function<void(QDialog&)> drive;
    int opened = 0;

protected:
    int Exec(QDialog& dialog) override {
        ++opened;
        dialog.show();
        if (drive) drive(dialog);
        const int result = dialog.result();
        dialog.hide();
        return result;
    }
};

template <typename W>
W* Control(QDialog& dialog, int id) {
    W* widget = dialog.findChild<W*>(QString::number(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

void Press(QDialog& dialog, int id) {
    QTest::mouseClick(Control<QPushButton>(dialog, id), Qt::LeftButton);
}

// A click as the user makes it: toggles and emits clicked().
void Tick(QDialog& dialog, int id) {
    Control<QCheckBox>(dialog, id)->click();
}

bool ShownIn(QDialog& dialog, int id) {
    return Control<QWidget>(dialog, id)->isVisibleTo(&dialog);
}

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToNewDatabase(*db);
        db->database_open = true;
        watch.Reset();
    }

    // The settings operations, with what the tree shows of a renamed group.
    struct Runner {
        Database& db;
        Prompter& prompter;
        SettingsDialogs& dialogs;
        std::optional<QString> RenameGroup(int g) {
            if (!RenameFavouriteGroup(db, prompter, dialogs, g)) return std::nullopt;
            return TextOfBytes(db.settings.fav_name(g));
        }
        bool EditParental() { return EditParentalControl(db, prompter, dialogs); }
        bool EditOtherSettings() { return velmora::EditOtherSettings(db, prompter, dialogs); }
    };

    std::unique_ptr<Database> db = std::make_unique<Database>();
    testing::ChangeWatch watch{*db};
    testing::ScriptedPrompter prompter;
    DrivenSettingsDialogs dialogs{prompter};
    Runner runner{*db, prompter, dialogs};
};

TEST_F(SettingsDialogTest, RenameStoresTheFilteredNameForNodeAndColumnHeader) {
    dialogs.drive = [](QDialog& dialog) {
        EXPECT_EQ(dialog.property("templateId").toInt(), 142);
        EXPECT_EQ(dialog.windowTitle(), "Rename FAV group name");
        auto* name = Control<QLineEdit>(dialog, 1003);
        EXPECT_EQ(name->text(), "Movie");
        EXPECT_EQ(name->maxLength(), 15);
        name->setText(QStringLiteral("Cin\u00e9\tma \u263a"));
        Press(dialog, 1);
    };
    const std::optional<QString> label = runner.RenameGroup(0);
    ASSERT_TRUE(label);
    EXPECT_EQ(*label, QStringLiteral("Cin\u00e9ma "));
    EXPECT_EQ(db->settings.fav_name(0), "Cin\xe9ma ");
    EXPECT_EQ(ChannelList::ColumnHeader(*db, kColFav1), "Cin\u00e9ma ");  // shown as UTF-8
    EXPECT_TRUE(watch.changed());
}

TEST_F(SettingsDialogTest, RenameCancelledKeepsTheName) {
    dialogs.drive = [](QDialog& dialog) {
        Control<QLineEdit>(dialog, 1003)->setText("Other");
        Press(dialog, 2);
    };
    EXPECT_FALSE(runner.RenameGroup(3));
    EXPECT_EQ(db->settings.fav_name(3), "Kids");
    EXPECT_FALSE(watch.changed());
}

TEST_F(SettingsDialogTest, ParentalSwitchesShowTheirFieldsAndHiddenFieldsCountAtOk) {
    db->settings.set_lock_flags(0xF0);
    dialogs.drive = [](QDialog& dialog) {
        EXPECT_EQ(dialog.property("templateId").toInt(), 143);
        EXPECT_FALSE(ShownIn(dialog, 1019));
        EXPECT_FALSE(ShownIn(dialog, 1022));
        EXPECT_FALSE(ShownIn(dialog, 1003));

        Tick(dialog, 1018);
        EXPECT_TRUE(ShownIn(dialog, 1019));
        EXPECT_TRUE(ShownIn(dialog, 1022));
        EXPECT_FALSE(ShownIn(dialog, 1003));

        Tick(dialog, 1022);
        EXPECT_TRUE(ShownIn(dialog, 1003));
        EXPECT_TRUE(ShownIn(dialog, 1002));
        Tick(dialog, 1021);
        QTest::keyClicks(Control<QLineEdit>(dialog, 1003), "1234");
        QTest::keyClicks(Control<QLineEdit>(dialog, 1002), "1234");

        Tick(dialog, 1022);  // hides the password fields again
        EXPECT_FALSE(ShownIn(dialog, 1002));
        Press(dialog, 1);
    };
    EXPECT_TRUE(runner.EditParental());
    EXPECT_EQ(db->settings.password(), "1234");
    EXPECT_EQ(db->settings.lock_flags(), 0x09);
    EXPECT_TRUE(watch.changed());
}

TEST_F(SettingsDialogTest, PasswordFieldsAreMaskedDigitsOfAtMostFour) {
    dialogs.drive = [](QDialog& dialog) {
        for (int id : {1003, 1002}) {
            auto* edit = Control<QLineEdit>(dialog, id);
            EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
            EXPECT_EQ(edit->maxLength(), 4);
            QTest::keyClicks(edit, "1a2b345");
            EXPECT_EQ(edit->text(), "1234");
        }
        Press(dialog, 2);
    };
    EXPECT_FALSE(runner.EditParental());
    EXPECT_EQ(db->settings.password(), "4826");
}

TEST_F(SettingsDialogTest, ConfirmLosingFocusWithADifferentTextWarnsOnce) {
    dialogs.drive = [this](QDialog& dialog) {
        auto* confirm = Control<QLineEdit>(dialog, 1002);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(confirm, &leave);  // both empty
        EXPECT_TRUE(prompter.shown.empty());

        Control<QLineEdit>(dialog, 1003)->setText("1234");
        confirm->setText("124");
        QApplication::sendEvent(confirm, &leave);
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, "The confirm password is wrong !");
        EXPECT_EQ(prompter.shown[0].caption, "Velmora");
        EXPECT_TRUE(dialog.isVisible());
        Press(dialog, 1);
    };
    EXPECT_TRUE(runner.EditParental());
    EXPECT_EQ(db->settings.password(), "4826");
}

TEST_F(SettingsDialogTest, OtherSettingsStoresTheListPositionsAndRfChannel) {
    db->settings.set_rf_system(0);
    db->settings.set_time_offset(-5);
    dialogs.drive = [](QDialog& dialog) {
        EXPECT_EQ(dialog.property("templateId").toInt(), 150);
        EXPECT_EQ(Control<QComboBox>(dialog, 1007)->count(), 62);
        EXPECT_EQ(Control<QComboBox>(dialog, 1007)->currentText(), "Undefined");
        EXPECT_EQ(Control<QComboBox>(dialog, 1014)->count(), 25);
        EXPECT_EQ(Control<QComboBox>(dialog, 1014)->currentText(), "GMT-05");
        EXPECT_EQ(Control<QLineEdit>(dialog, 1017)->text(), "38");

        Control<QComboBox>(dialog, 1006)->setCurrentIndex(3);
        Control<QComboBox>(dialog, 1007)->setCurrentIndex(18);
        Control<QComboBox>(dialog, 1010)->setCurrentIndex(2);
        Control<QComboBox>(dialog, 1011)->setCurrentIndex(4);
        Control<QComboBox>(dialog, 1013)->setCurrentIndex(2);
        Control<QComboBox>(dialog, 1012)->setCurrentIndex(8);
        Control<QComboBox>(dialog, 1014)->setCurrentIndex(12);
        Control<QComboBox>(dialog, 1015)->setCurrentIndex(1);
        Control<QLineEdit>(dialog, 1017)->setText("270");
        Press(dialog, 1);
    };
    EXPECT_TRUE(runner.EditOtherSettings());
    const SettingsBlock& s = db->settings;
    EXPECT_EQ(s.menu_language(), 3);
    EXPECT_EQ(s.audio_language(), 18);
    EXPECT_EQ(s.rf_channel(), 14);
    EXPECT_EQ(s.tv_system(), 2u);
    EXPECT_EQ(s.screen_format(), 4u);
    EXPECT_EQ(s.menu_color(), 2);
    EXPECT_EQ(s.transparency(), 8);
    EXPECT_EQ(s.time_offset(), 12);
    EXPECT_EQ(s.need_help(), 1u);
    EXPECT_TRUE(watch.changed());
}

TEST_F(SettingsDialogTest, SpinRangeFollowsTheRfSystemFromOpening) {
    db->settings.set_rf_system(0);
    db->settings.set_rf_channel(83);
    dialogs.drive = [](QDialog& dialog) {
        auto* spin = Control<CSpinButton>(dialog, 1016);
        auto* channel = Control<QLineEdit>(dialog, 1017);
        EXPECT_EQ(spin->minimum(), 14);
        EXPECT_EQ(spin->maximum(), 83);
        QToolButton* up = spin->findChildren<QToolButton*>().value(0);
        ASSERT_NE(up, nullptr);
        QTest::mouseClick(up, Qt::LeftButton);
        EXPECT_EQ(channel->text(), "83");  // already at the top

        Control<QComboBox>(dialog, 1008)->setCurrentIndex(2);
        EXPECT_EQ(spin->minimum(), 21);
        EXPECT_EQ(spin->maximum(), 69);
        QTest::keyClick(channel, Qt::Key_Down);
        EXPECT_EQ(channel->text(), "69");  // moved into the new range
        QTest::keyClick(channel, Qt::Key_Down);
        EXPECT_EQ(channel->text(), "68");
        Press(dialog, 1);
    };
    EXPECT_TRUE(runner.EditOtherSettings());
    EXPECT_EQ(db->settings.rf_system(), 2);
    EXPECT_EQ(db->settings.rf_channel(), 68);
}

TEST_F(SettingsDialogTest, OtherSettingsOpenedWithUnlistedValuesKeepsThem) {
    db->settings.set_menu_language(20);
    dialogs.drive = [](QDialog& dialog) {
        EXPECT_EQ(Control<QComboBox>(dialog, 1006)->currentIndex(), -1);
        Press(dialog, 1);
    };
    EXPECT_TRUE(runner.EditOtherSettings());
    EXPECT_EQ(db->settings.menu_language(), 20);
}

}  // namespace
}  // namespace velmora
