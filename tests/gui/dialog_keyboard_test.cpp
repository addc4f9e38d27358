// Working the dialogs from the keyboard: Tab follows the layout, the parental dialog
// keeps its size while switches hide fields, and name fields drop what a name cannot
// hold as it is typed, with a word in the status bar.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <memory>
#include <vector>

#include "app/QtDialogHost.h"
#include "channels/qt/CChannelDlg.h"
#include "database/Upkeep.h"
#include "database/qt/DialogControls.h"
#include "satellites/qt/CSatelliteDlg.h"
#include "settings/qt/COtherSettingDlg.h"
#include "settings/qt/CParentalDlg.h"
#include "settings/qt/CRenameFavDlg.h"
#include "support/SampleDatabase.h"
#include "support/ScriptedPrompter.h"

namespace velmora {
namespace {

// The control ids Tab visits from `first_id` round to it again: enabled, shown,
// keyboard-focusable controls of `dialog` only.
std::vector<int> TabStops(QWidget& dialog, int first_id) {
    QWidget* start = FindControl(&dialog, first_id);
    std::vector<int> ids;
    if (!start) return ids;
    QWidget* w = start;
    do {
        bool numbered = false;
        const int id = w->objectName().toInt(&numbered);
        if (numbered && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(&dialog) && w->window() == &dialog)
            ids.push_back(id);
        w = w->nextInFocusChain();
    } while (w && w != start && ids.size() < 200);
    return ids;
}

// Key presses carrying characters, as a keyboard sends them.
void Type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class DialogKeyboard : public ::testing::Test {
protected:
    void SetUp() override { testing::FillSampleDatabase(*db); }
    std::unique_ptr<Database> db = std::make_unique<Database>();
    testing::ScriptedPrompter prompter;
};

TEST_F(DialogKeyboard, TabGoesDownTheLeftColumnThenTheRightOne) {
    ChannelForm channel_form(*db, db->tv[0], 1, false, true);
    QtDialogHost dialogs(prompter, nullptr);
    CChannelDlg channel(channel_form, prompter, dialogs);
    EXPECT_EQ(TabStops(channel, kIdChannelName),
              (std::vector<int>{1040, 1041, 1043, 1044, 1045, 1016, 1038, 1037, 1066,
                                1032, 1034, 1035, 1053, 1054, 1055, 1046, 1047, 1048,
                                1049, 1050, 1051, 1024, 1025, 1,    2}));

    SatelliteForm satellite_form = SatelliteForm::Load(*db, 0, db->satellites[0]);
    CSatelliteDlg satellite(satellite_form, prompter);
    EXPECT_EQ(TabStops(satellite, kSatNameEdit),
              (std::vector<int>{kSatNameEdit, kSatAngleEdit, kSatDirectionList, kSatMotorList,
                                kSatLnbTypeList, kSat22kList, kSat12vList, kSatDiseqcList,
                                kSatTransponderList, 1, 2}));

    using F = OtherSettingsForm;
    OtherSettingsForm other_form = OtherSettingsForm::Load(db->settings);
    COtherSettingDlg other(other_form);
    EXPECT_EQ(
        TabStops(other, F::kMenuLanguageControl),
        (std::vector<int>{F::kMenuLanguageControl, F::kMenuColorControl, F::kTransparencyControl,
                          F::kNeedHelpControl, F::kAudioLanguageControl, F::kRfSystemControl,
                          F::kRfChannelControl, F::kTvSystemControl, F::kScreenFormatControl,
                          F::kTimeOffsetControl, 1, 2}));
}

TEST_F(DialogKeyboard, ParentalDialogKeepsItsSizeAsSwitchesHideFields) {
    db->settings.set_lock_flags(0xF0);
    ParentalForm form = ParentalForm::Load(db->settings);
    CParentalDlg dialog(form, prompter);
    dialog.show();
    const QSize all_hidden = dialog.size();
    auto* password_lock = dialog.findChild<QCheckBox*>(QStringLiteral("1018"));
    auto* change_password = dialog.findChild<QCheckBox*>(QStringLiteral("1022"));
    ASSERT_TRUE(password_lock && change_password);
    password_lock->click();
    change_password->click();
    QApplication::processEvents();
    ASSERT_TRUE(FindControl(&dialog, ParentalForm::kNewPasswordControl)->isVisible());
    EXPECT_EQ(dialog.size(), all_hidden);
    password_lock->click();
    QApplication::processEvents();
    ASSERT_FALSE(FindControl(&dialog, ParentalForm::kChannelLockControl)->isVisible());
    EXPECT_EQ(dialog.size(), all_hidden);
}

// Both name fields drop, as typed, every character the name filter refuses (tabs,
// control characters, characters without an ISO-8859-1 byte, 0x80..0xBF but 0xB0) and
// say so in the status bar of the window the dialog belongs to.
TEST_F(DialogKeyboard, NameFieldsDropRefusedCharactersAsTypedWithANote) {
    QMainWindow main;
    FavouriteNameForm group_form = FavouriteNameForm::Load(db->settings, 0);
    CRenameFavDlg rename(group_form, prompter, &main);
    ChannelForm channel_form(*db, db->tv[0], 1, false, true);
    QtDialogHost dialogs(prompter, &main);
    CChannelDlg channel(channel_form, prompter, dialogs, &main);
    for (QLineEdit* name : {rename.findChild<QLineEdit*>(QStringLiteral("1003")),
                            channel.findChild<QLineEdit*>(QString::number(kIdChannelName))}) {
        ASSERT_TRUE(name);
        name->clear();
        main.statusBar()->clearMessage();
        Type(name, QStringLiteral("Caf\u00e9 \u00b0"));
        EXPECT_EQ(name->text(), QStringLiteral("Caf\u00e9 \u00b0"));
        EXPECT_TRUE(main.statusBar()->currentMessage().isEmpty());

        Type(name, QStringLiteral("\t\u00a7"));
        EXPECT_TRUE(main.statusBar()->currentMessage().contains(QStringLiteral("\u00a7")));
        Type(name, QStringLiteral("\u263a1"));
        EXPECT_TRUE(main.statusBar()->currentMessage().contains(QStringLiteral("\u263a")));
        EXPECT_EQ(name->text(), QStringLiteral("Caf\u00e9 \u00b01"));
        EXPECT_EQ(name->cursorPosition(), name->text().size());
    }
}

}  // namespace
}  // namespace velmora
