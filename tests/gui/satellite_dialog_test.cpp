#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <functional>

#include "core/satellite_test_support.h"
#include "satellites/SatelliteOps.h"
#include "satellites/qt/CModifyTPDlg.h"
#include "satellites/qt/CSatelliteDlg.h"
#include "satellites/qt/CTransponderDlg.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::MakeDatabase;
using testing::ScriptedPrompter;

template <typename W>
W* Control(QWidget& dialog, int id) {
    W* w = dialog.findChild<W*>(QString::number(id));
    EXPECT_NE(w, nullptr) << "control " << id;
    return w;
}

void PressOk(QWidget& dialog) {
    Control<QPushButton>(dialog, 1)->click();
}

std::unique_ptr<Database> AstraDatabase() {
    auto db = MakeDatabase(2, {{0, 11747, 27500, 1, 3}, {1, 10700}, {0, 12603, 22000, 0, 5}});
    Satellite& sat = db->satellites[0];
    sat.set_name("Astra 1");
    sat.set_angle(1920);
    sat.set_diseqc(1);
    sat.set_ref_tp(1);
    return db;
}

TEST(SatelliteDialog, OpensOnTheRecord) {
    auto db = AstraDatabase();
    ScriptedPrompter prompter;
    SatelliteForm form = SatelliteForm::Load(*db, 0, db->satellites[0]);
    CSatelliteDlg dialog(form, prompter);
    EXPECT_EQ(dialog.property("templateId").toInt(), 140);
    EXPECT_EQ(dialog.windowTitle(), "Satellite Parameters");
    EXPECT_EQ(Control<QLineEdit>(dialog, 1029)->text(), "Astra 1");
    EXPECT_EQ(Control<QLineEdit>(dialog, 1030)->text(), "19.2");
    auto* transponders = Control<QComboBox>(dialog, 1007);
    ASSERT_EQ(transponders->count(), 2);
    EXPECT_EQ(transponders->itemText(1), "| 1 | 12603 | HOR | 22000 |");
    EXPECT_EQ(transponders->currentIndex(), 1);
    EXPECT_EQ(Control<QComboBox>(dialog, 1008)->currentText(), "Universal");
    EXPECT_EQ(Control<QComboBox>(dialog, 1011)->currentText(), "LNB1");
}

TEST(SatelliteDialog, ChangedFieldsAreStoredOnOk) {
    auto db = AstraDatabase();
    ScriptedPrompter prompter;
    SatelliteForm form = SatelliteForm::Load(*db, 0, db->satellites[0]);
    CSatelliteDlg dialog(form, prompter);
    // U+20AC has no ISO-8859-1 byte and is dropped, never stored as '?'.
    Control<QLineEdit>(dialog, 1029)->setText(QString::fromUtf8("T\u00fcrk\u20acsat"));
    Control<QLineEdit>(dialog, 1030)->setText("4.1");
    Control<QComboBox>(dialog, 1008)->setCurrentIndex(1);
    Control<QComboBox>(dialog, 1009)->setCurrentIndex(2);
    Control<QComboBox>(dialog, 1011)->setCurrentIndex(5);
    Control<QComboBox>(dialog, 1013)->setCurrentIndex(2);
    Control<QComboBox>(dialog, 1031)->setCurrentIndex(1);
    Control<QComboBox>(dialog, 1007)->setCurrentIndex(0);
    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(prompter.shown.empty());
    const Satellite& r = form.record;
    EXPECT_EQ(r.name(), "T\xfcrksat");
    EXPECT_EQ(r.angle(), 410);
    EXPECT_EQ(r.lnb_high(), 10750);
    EXPECT_EQ(r.tone_22k(), 2u);
    EXPECT_EQ(r.diseqc(), 5u);
    EXPECT_EQ(r.motor(), 2u);
    EXPECT_EQ(r.west(), 1u);
    EXPECT_EQ(r.ref_tp(), 0u);
}

TEST(SatelliteDialog, RefusedAngleKeepsTheDialogOpenWithTheFieldFocused) {
    auto db = AstraDatabase();
    ScriptedPrompter prompter;
    SatelliteForm form = SatelliteForm::Load(*db, 0, db->satellites[0]);
    CSatelliteDlg dialog(form, prompter);
    dialog.show();
    auto* angle = Control<QLineEdit>(dialog, 1030);
    angle->setText("180.5");
    PressOk(dialog);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Please enter a number between 0 and 180."}));
    EXPECT_EQ(prompter.shown[0].caption, "Velmora");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.focusWidget(), angle);
    EXPECT_EQ(form.record.angle(), 1920);

    angle->setText("180");
    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(form.record.angle(), 18000);
}

TEST(TransponderDialog, RefusesAFrequencyOutOfRangeThenAcceptsTheBound) {
    ScriptedPrompter prompter;
    TransponderForm form = TransponderForm::Load(NewTransponderTemplate(0));
    CTransponderDlg dialog(form, prompter);
    EXPECT_EQ(dialog.property("templateId").toInt(), 141);
    EXPECT_EQ(Control<QComboBox>(dialog, 1006)->currentText(), "VER");
    EXPECT_EQ(Control<QComboBox>(dialog, 1009)->currentText(), "3/4");
    auto* frequency = Control<QLineEdit>(dialog, 1002);
    frequency->setText("20001");
    PressOk(dialog);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Please enter an integer between 1 and 20000."}));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.focusWidget(), frequency);
    frequency->setText("20000");
    Control<QComboBox>(dialog, 1009)->setCurrentIndex(0);
    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(form.record.frequency(), 20000);
    EXPECT_EQ(form.record.tp_flags(), 1);
}

TEST(ModifiedTpDialog, DelRemovesTheSelectedRowsAndRenumbers) {
    auto db = MakeDatabase(1, {{0, 10000}, {0, 10100}, {0, 10200}, {0, 10300}, {0, 10400}});
    ScriptedPrompter prompter;
    testing::ScriptedSatelliteDialogs dialogs;
    ModifiedTpList list(*db, prompter, dialogs, 0);
    CModifyTPDlg dialog(list);
    EXPECT_EQ(dialog.windowTitle(), "S0--Transponder List");
    auto* rows = Control<QListWidget>(dialog, 1004);
    ASSERT_EQ(rows->count(), 5);
    rows->item(0)->setSelected(true);
    rows->item(2)->setSelected(true);
    Control<QPushButton>(dialog, 1035)->click();
    ASSERT_EQ(rows->count(), 3);
    EXPECT_EQ(rows->item(0)->text(), "01    10100    HOR     27500   Auto");
    EXPECT_EQ(rows->item(2)->text(), "03    10400    HOR     27500   Auto");
    EXPECT_EQ(db->tp_count(), 3);
    EXPECT_TRUE(list.modified());
}

// A dialog host that opens the real dialogs, lets the test fill their widgets and presses
// OK, so the whole chain from tree command to record runs without a modal loop.
class WidgetDrivenDialogs : public testing::ScriptedSatelliteDialogs {
public:
    explicit WidgetDrivenDialogs(Prompter& prompter) : prompter_(prompter) {}
    std::function<void(CSatelliteDlg&)> fill_satellite;

    bool RunSatellite(SatelliteForm& form) override {
        CSatelliteDlg dialog(form, prompter_);
        fill_satellite(dialog);
        PressOk(dialog);
        return dialog.result() == QDialog::Accepted;
    }

private:
    Prompter& prompter_;
};

TEST(SatelliteDialog, EditAntennaStoresWhatTheDialogTook) {
    auto db = AstraDatabase();
    db->database_open = true;
    ScriptedPrompter prompter;
    WidgetDrivenDialogs dialogs(prompter);
    dialogs.fill_satellite = [](CSatelliteDlg& dialog) {
        Control<QLineEdit>(dialog, 1029)->setText("Eutelsat");
        Control<QLineEdit>(dialog, 1030)->setText("13");
    };
    testing::ChangeWatch watch(*db);
    const auto effect = EditSatellite(*db, dialogs, 1);
    EXPECT_EQ(effect.change, TreeChange::RelabelSatellite);
    EXPECT_EQ(effect.satellite, 1);
    EXPECT_EQ(db->satellites[1].name(), "Eutelsat");
    EXPECT_EQ(db->satellites[1].angle(), 1300);
    EXPECT_TRUE(watch.changed());
}

// Writes the picture of the satellite dialog used in the documentation when
// VELMORA_SCREENSHOT_DIR names a folder.
TEST(SatelliteDialog, Screenshot) {
    const char* dir = std::getenv("VELMORA_SCREENSHOT_DIR");
    if (!dir) GTEST_SKIP() << "VELMORA_SCREENSHOT_DIR not set";
    auto db = AstraDatabase();
    ScriptedPrompter prompter;
    SatelliteForm form = SatelliteForm::Load(*db, 0, db->satellites[0]);
    CSatelliteDlg dialog(form, prompter);
    dialog.show();
    QTest::qWait(50);
    EXPECT_TRUE(
        dialog.grab().save(QString::fromLocal8Bit(dir) + "/screenshot-satellite-dialog.png"));
}

}  // namespace
}  // namespace velmora
