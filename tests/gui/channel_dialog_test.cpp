#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "app/QtDialogHost.h"
#include "channels/ChannelCommands.h"
#include "channels/ChannelForm.h"
#include "channels/qt/CAudioDlg.h"
#include "channels/qt/CChannelDlg.h"
#include "channels/qt/CMoveDlg.h"
#include "commands/CommandIds.h"
#include "database/Upkeep.h"
#include "support/ScriptedPrompter.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::ScriptedPrompter;

template <typename T>
T* Control(QWidget& dialog, int id) {
    T* w = dialog.findChild<T*>(QString::number(id));
    EXPECT_NE(w, nullptr) << "control " << id;
    return w;
}

// Types `text` as key presses carrying characters, as a keyboard would, including
// characters outside ISO-8859-1 (QTest::keyClicks takes only ASCII).
void Type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Runs each dialog through the next scripted step instead of a modal loop; the step
// works the widgets and presses OK or Cancel.
class DrivenDialogs : public QtDialogHost {
public:
    explicit DrivenDialogs(Prompter& prompter) : QtDialogHost(prompter, nullptr) {}
    std::vector<std::function<void(QDialog&)>> steps;

protected:
    int Exec(QDialog& dialog) override {
        if (steps.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog.windowTitle().toStdString();
            return QDialog::Rejected;
        }
        auto step = steps.front();
        steps.erase(steps.begin());
        dialog.show();
        step(dialog);
        return dialog.result();
    }
};

class ChannelDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToNewDatabase(*db);
        db->database_open = true;
        AddSatellite("Astra 19.2E");
        AddSatellite("Hotbird 13E");
        AddTransponder(0, 4, 11778, 1, 27500, 3);
        AddTransponder(0, 5, 12188, 0, 27500, 3);
        AddTransponder(1, 9, 10719, 1, 27500, 2);
        for (const char* name : {"Das Erste", "ZDF", "arte"}) {
            Channel ch;
            ch.set_name(name);
            ch.set_tp_id(4);
            ch.set_service_number(static_cast<uint16_t>(db->tv_count() + 1));
            ch.set_pcr_pid(101);
            ch.set_video_pid(101);
            ch.set_ttx_pid(104);
            ch.set_fta(1);
            ch.set_audio_count(1);
            db->tv[db->tv_count()] = ch;
            db->set_tv_count(db->tv_count() + 1);
        }
        list.ShowTable(*db, ChannelTable::Tv);
    }

    void AddSatellite(const char* name) {
        db->satellites[db->sat_count()].set_name(name);
        db->set_sat_count(db->sat_count() + 1);
    }
    void AddTransponder(int sat, int id, int freq, int pol, int sr, int fec) {
        Transponder& tp = db->transponders[db->tp_count()];
        tp.set_satellite(static_cast<uint8_t>(sat));
        tp.set_tp_id(static_cast<uint16_t>(id));
        tp.set_frequency(static_cast<uint16_t>(freq));
        tp.set_polarisation(static_cast<uint8_t>(pol));
        tp.set_symbol_rate(static_cast<uint16_t>(sr));
        tp.set_fec(static_cast<uint8_t>(fec));
        db->set_tp_count(db->tp_count() + 1);
    }

    int RunEdit(int row) {
        ChannelCommandContext c{*db, list, {row}, prompter, dialogs};
        watch.Reset();
        return EditChannel(c);
    }

    std::unique_ptr<Database> db = std::make_unique<Database>();
    testing::ChangeWatch watch{*db};
    ChannelList list;
    ScriptedPrompter prompter;
    DrivenDialogs dialogs{prompter};
};

TEST_F(ChannelDialogTest, EditConfirmedChangesTheRecordTheListAndTheFavouriteColumns) {
    dialogs.steps.push_back([](QDialog& dlg) {
        EXPECT_EQ(dlg.property("templateId").toInt(), 136);
        EXPECT_EQ(dlg.windowTitle(), "Channel Parameters");
        EXPECT_EQ(Control<QLineEdit>(dlg, 1039)->text(), "2");
        EXPECT_FALSE(Control<QLineEdit>(dlg, 1039)->isEnabled());
        QLineEdit* name = Control<QLineEdit>(dlg, 1040);
        EXPECT_EQ(name->text(), "ZDF");
        name->clear();
        Type(name, QString::fromUtf8("ZD\u03a9F \u00e9\u03a9"));
        EXPECT_EQ(name->text(), QString::fromUtf8("ZDF \u00e9"));
        Control<QLineEdit>(dlg, 1043)->setText("610");
        Control<QCheckBox>(dlg, 1047)->setChecked(true);  // FAV2
        Control<QCheckBox>(dlg, 1024)->setChecked(true);  // FAV7
        Control<QCheckBox>(dlg, 1038)->setChecked(true);  // Lock
        Control<QRadioButton>(dlg, 1055)->setChecked(true);
        QTest::mouseClick(Control<QPushButton>(dlg, 1), Qt::LeftButton);
    });
    ASSERT_EQ(RunEdit(1), 1);
    const Channel& ch = db->tv[1];
    EXPECT_EQ(ch.name(), "ZDF \xE9");
    EXPECT_EQ(ch.pcr_pid(), 610);
    EXPECT_EQ(ch.fav_marks(), 0x42u);
    EXPECT_EQ(ch.locked(), 1u);
    EXPECT_EQ(ch.audio_mode(), 2u);
    EXPECT_TRUE(watch.changed());
    EXPECT_EQ(list.CellText(*db, 1, kColName), "ZDF \u00e9");
    EXPECT_EQ(list.CellText(*db, 1, kColLock), "Lock");
    EXPECT_EQ(list.CellText(*db, 1, kColFav1 + 1), "Yes");
    EXPECT_EQ(list.CellText(*db, 1, kColFav1 + 6), "Yes");
    EXPECT_EQ(list.CellText(*db, 0, kColFav1 + 1), " ");
    EXPECT_EQ(FindFavouriteKey(*db, 6, ch.key(), false), 0);
}

TEST_F(ChannelDialogTest, RefusedFieldKeepsTheDialogOpenWithTheFocusOnIt) {
    dialogs.steps.push_back([this](QDialog& dlg) {
        QLineEdit* ttx = Control<QLineEdit>(dlg, 1044);
        ttx->setText("9000");
        dlg.accept();
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.focusWidget(), ttx);
        EXPECT_EQ(prompter.texts(),
                  std::vector<std::string>{"Please enter an integer between 1 and 8191."});
        ttx->setText("x");
        dlg.accept();
        EXPECT_EQ(prompter.shown.back().text, "Please enter an integer.");
        ttx->setText("105");
        dlg.accept();
        EXPECT_FALSE(dlg.isVisible());
    });
    ASSERT_EQ(RunEdit(0), 1);
    EXPECT_EQ(db->tv[0].ttx_pid(), 105);
}

TEST_F(ChannelDialogTest, CancelLeavesTheRecordAlone) {
    const Channel before = db->tv[2];
    dialogs.steps.push_back([](QDialog& dlg) {
        Control<QLineEdit>(dlg, 1040)->setText("changed");
        QTest::mouseClick(Control<QPushButton>(dlg, 2), Qt::LeftButton);
    });
    EXPECT_EQ(RunEdit(2), 0);
    EXPECT_EQ(db->tv[2].bytes, before.bytes);
    EXPECT_FALSE(watch.changed());
}

TEST_F(ChannelDialogTest, ListsFollowTheSatelliteAndCanBeDisabled) {
    Channel ch = db->tv[0];
    ChannelForm form(*db, ch, 1, true, true);
    CChannelDlg dlg(form, prompter, dialogs);
    EXPECT_FALSE(Control<QLineEdit>(dlg, 1041)->isEnabled());
    QComboBox* sats = Control<QComboBox>(dlg, 1045);
    QComboBox* tps = Control<QComboBox>(dlg, 1016);
    EXPECT_EQ(sats->currentText(), "1-Astra 19.2E");
    EXPECT_EQ(tps->count(), 2);
    EXPECT_EQ(tps->currentText(), "11778/VER/27500/3/4");
    sats->setCurrentIndex(1);
    EXPECT_EQ(tps->count(), 1);
    EXPECT_EQ(tps->currentText(), "10719/VER/27500/2/3");

    ChannelForm fixed(*db, ch, 1, false, false);
    CChannelDlg fixed_dlg(fixed, prompter, dialogs);
    EXPECT_TRUE(Control<QLineEdit>(fixed_dlg, 1041)->isEnabled());
    EXPECT_FALSE(Control<QComboBox>(fixed_dlg, 1045)->isEnabled());
    EXPECT_FALSE(Control<QComboBox>(fixed_dlg, 1016)->isEnabled());
}

TEST_F(ChannelDialogTest, NameFieldTakesAtMostFifteenCharacters) {
    ChannelForm form(*db, db->tv[0], 1, false, true);
    CChannelDlg dlg(form, prompter, dialogs);
    QLineEdit* name = Control<QLineEdit>(dlg, 1040);
    name->clear();
    QTest::keyClicks(name, "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(name->text(), "ABCDEFGHIJKLMNO");
}

TEST_F(ChannelDialogTest, MissingTransponderKeepsTheDialogOpenWithNothingLost) {
    db->tv[0].set_tp_id(1234);
    dialogs.steps.push_back([this](QDialog& dlg) {
        EXPECT_EQ(Control<QComboBox>(dlg, 1045)->currentIndex(), -1);
        EXPECT_EQ(Control<QComboBox>(dlg, 1016)->count(), 0);
        Control<QLineEdit>(dlg, 1040)->setText("Renamed");
        Control<QLineEdit>(dlg, 1043)->setText("620");
        dlg.accept();
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.focusWidget(), Control<QComboBox>(dlg, 1016));
        EXPECT_EQ(Control<QLineEdit>(dlg, 1040)->text(), "Renamed");
        EXPECT_EQ(Control<QLineEdit>(dlg, 1043)->text(), "620");
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, "Do not find the transponder");
        EXPECT_EQ(prompter.shown[0].caption, "Error");
        // Choosing a transponder lets OK through with everything typed.
        Control<QComboBox>(dlg, 1045)->setCurrentIndex(1);
        dlg.accept();
        EXPECT_FALSE(dlg.isVisible());
    });
    EXPECT_EQ(RunEdit(0), 1);
    EXPECT_EQ(db->tv[0].tp_id(), 9);
    EXPECT_EQ(db->tv[0].name(), "Renamed");
    EXPECT_EQ(db->tv[0].pcr_pid(), 620);
}

TEST_F(ChannelDialogTest, DelSelectsTheNextEntryThenTheNewLastOne) {
    db->tv[0].set_audio_count(3);
    for (int k = 0; k < 3; ++k) db->tv[0].set_plain_audio_pid(k, 201 + k);
    dialogs.steps.push_back([](QDialog& dlg) {
        QListWidget* rows = Control<QListWidget>(dlg, 1066);
        ASSERT_EQ(rows->count(), 3);
        rows->setCurrentRow(1);
        QTest::mouseClick(Control<QPushButton>(dlg, 1035), Qt::LeftButton);
        ASSERT_EQ(rows->count(), 2);
        EXPECT_EQ(rows->currentRow(), 1) << "the entry that moved up";
        EXPECT_TRUE(rows->currentItem()->isSelected());
        EXPECT_TRUE(rows->currentItem()->text().contains("203"));
        QTest::mouseClick(Control<QPushButton>(dlg, 1035), Qt::LeftButton);
        ASSERT_EQ(rows->count(), 1);
        EXPECT_EQ(rows->currentRow(), 0) << "the new last entry";
        EXPECT_TRUE(rows->currentItem()->isSelected());
        dlg.reject();
    });
    EXPECT_EQ(RunEdit(0), 0);
}

TEST_F(ChannelDialogTest, AudioButtonsEditTheListThroughTheAudioDialog) {
    dialogs.steps.push_back([this](QDialog& dlg) {
        QListWidget* rows = Control<QListWidget>(dlg, 1066);
        ASSERT_EQ(rows->count(), 1);
        EXPECT_EQ(rows->item(0)->text(), "1  0  Undefined Default");
        // Add: the audio dialog offers PID 1 and "Undefined".
        dialogs.steps.push_back([](QDialog& audio) {
            EXPECT_EQ(audio.property("templateId").toInt(), 137);
            EXPECT_EQ(Control<QLineEdit>(audio, 1056)->text(), "1");
            EXPECT_EQ(Control<QComboBox>(audio, 1057)->count(), 62);
            EXPECT_EQ(Control<QComboBox>(audio, 1057)->currentText(), "Undefined");
            Control<QLineEdit>(audio, 1056)->setText("0");
            audio.accept();
            EXPECT_TRUE(audio.isVisible());  // out of range
            Control<QLineEdit>(audio, 1056)->setText("202");
            Control<QComboBox>(audio, 1057)->setCurrentIndex(23);
            Control<QCheckBox>(audio, 1058)->setChecked(true);
            audio.accept();
        });
        QTest::mouseClick(Control<QPushButton>(dlg, 1032), Qt::LeftButton);
        ASSERT_EQ(rows->count(), 2);
        EXPECT_EQ(rows->item(1)->text(), "2  202  German Default");
        // Del without a selected row is refused; with one it removes the row.
        rows->clearSelection();
        QTest::mouseClick(Control<QPushButton>(dlg, 1035), Qt::LeftButton);
        EXPECT_EQ(prompter.shown.back().text, "Please select item first");
        rows->setCurrentRow(0);
        QTest::mouseClick(Control<QPushButton>(dlg, 1035), Qt::LeftButton);
        ASSERT_EQ(rows->count(), 1);
        EXPECT_EQ(rows->item(0)->text(), "1  202  German Default");
        dlg.accept();
    });
    ASSERT_EQ(RunEdit(0), 1);
    EXPECT_EQ(db->tv[0].audio_count(), 1u);
    EXPECT_EQ(db->tv[0].first_audio_pid(), 202);
    EXPECT_EQ(db->tv[0].audio_entry(0).language, 23);
}

TEST_F(ChannelDialogTest, MoveDialogOffersFromReadOnlyAndChecksTo) {
    dialogs.steps.push_back([this](QDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Move");
        EXPECT_EQ(dlg.property("templateId").toInt(), 138);
        EXPECT_EQ(Control<QLineEdit>(dlg, 1000)->text(), "3");
        EXPECT_FALSE(Control<QLineEdit>(dlg, 1000)->isEnabled());
        EXPECT_EQ(Control<QLineEdit>(dlg, 1001)->text(), "1");
        Control<QLineEdit>(dlg, 1001)->setText("one");
        dlg.accept();
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Please enter an integer."});
        Control<QLineEdit>(dlg, 1001)->setText("1");
        QTest::mouseClick(Control<QPushButton>(dlg, 1), Qt::LeftButton);
    });
    ChannelCommandContext c{*db, list, {2}, prompter, dialogs};
    MoveChannel(c);
    EXPECT_EQ(db->tv[0].name(), "arte");
    EXPECT_EQ(list.last_move_target(), 1);
}

}  // namespace
}  // namespace velmora
