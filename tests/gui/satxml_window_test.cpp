// The satellites.xml windows through the main window: the load window from the "Antenna"
// menu, and the update preview from a satellite's menu, each undone again.

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <cstring>

#include "commands/CommandIds.h"
#include "satxml/SatXmlMapping.h"
#include "tests/gui/IntegrationFixture.h"
#include "tests/support/SatXmlText.h"

namespace velmora::testing {
namespace {

void WriteText(const std::string& path, const std::string& text) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), qint64(text.size()));
}

void ClickDialogOk(QDialog& d) {
    auto* buttons = d.findChild<QDialogButtonBox*>();
    ASSERT_TRUE(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(ok && ok->isEnabled());
    ok->click();
}

const std::string kThreeSatellites =
    XmlDoc(XmlSat("19.2E Astra 1N/1P", 192,
                  XmlTp(11494000, 22000000, 0, 2) + XmlTp(11523000, 22000000, 0, 4)) +
           XmlSat("30.0W Hispasat 30W-5/30W-6", -300, XmlTp(10730000, 27500000, 0)) +
           XmlSat("3.1E Eutelsat 3B C-band", 31, XmlTp(3725000, 27500000, 3)));

// The load window: filters for "hisp", checks it, clears the filter and checks the C-band one.
void ChooseTwo(QDialog& d) {
    auto* filter = d.findChild<QLineEdit*>(QStringLiteral("filter"));
    auto* list = d.findChild<QTreeWidget*>(QStringLiteral("satellites"));
    auto* counts = d.findChild<QLabel*>(QStringLiteral("counts"));
    ASSERT_TRUE(filter && list && counts);
    ASSERT_GE(list->topLevelItemCount(), 3);
    filter->setText(QStringLiteral("hisp"));
    EXPECT_TRUE(list->topLevelItem(0)->isHidden());
    EXPECT_FALSE(list->topLevelItem(1)->isHidden());
    list->topLevelItem(1)->setCheckState(0, Qt::Checked);
    filter->clear();
    list->topLevelItem(2)->setCheckState(0, Qt::Checked);
    EXPECT_TRUE(counts->text().startsWith(QStringLiteral("adds 2 satellites / 2 transponders")))
        << counts->text().toStdString();
}

class SatXmlWindows : public IntegrationTest {
protected:
    void SetUp() override {
        IntegrationTest::SetUp();
        StartShown();
    }
};

TEST_F(SatXmlWindows, LoadWindowAddsTwoSatellitesAndUndoTakesThemAway) {
    const std::string xml = Path("satellites.xml");
    WriteText(xml, kThreeSatellites);
    const int sats = db().sat_count();
    const int tps = db().tp_count();
    chooser.answers = {xml};
    ModalDriver driver;
    driver.Then(0, [](QDialog& d) {
        ChooseTwo(d);
        ClickDialogOk(d);
    });
    ChooseFromMenu(tree->RootNode(kRootAntenna), kCmdLoadSatXml);

    ASSERT_EQ(db().sat_count(), sats + 2);
    EXPECT_EQ(db().satellites[sats].name(), "Hispasat 30W-5");
    EXPECT_EQ(db().satellites[sats + 1].lnb_low(), kCBandOscillator);
    EXPECT_EQ(db().tp_count(), tps + 2);
    ExpectTreeShowsTheTables();
    EXPECT_EQ(frame->action(kCmdEditUndo)->text(), QStringLiteral("&Undo Load Satellites"));

    frame->RunCommand(kCmdEditUndo);
    EXPECT_EQ(db().sat_count(), sats);
    EXPECT_EQ(db().tp_count(), tps);
    EXPECT_FALSE(app->doc().IsModified());
    ExpectTreeShowsTheTables();
}

TEST_F(SatXmlWindows, UpdatePreviewUpdatesASatelliteAndUndoRestoresIt) {
    // The file holds satellite 0's transponders with the first one's symbol rate changed
    // and one new transponder.
    const Satellite& sat = db().satellites[0];
    std::string tps;
    std::vector<int> ours;
    for (int i = 0; i < db().tp_count(); ++i)
        if (db().transponders[i].satellite() == 0) ours.push_back(i);
    ASSERT_FALSE(ours.empty());
    for (int i : ours) {
        const Transponder& tp = db().transponders[i];
        const int rate =
            i == ours[0] ? tp.symbol_rate() == 30000 ? 29900 : 30000 : tp.symbol_rate();
        tps += XmlTp(tp.frequency() * 1000, rate * 1000, tp.polarisation(), tp.fec());
    }
    tps += XmlTp(19990000, 27500000, 1);
    const std::string xml = Path("update.xml");
    WriteText(xml, XmlDoc(XmlSat("Sat", PositionOf(sat), tps)));
    const auto before = std::make_unique<DatabaseTables>(db().tables());
    const int count = db().tp_count();
    chooser.answers = {xml};
    ModalDriver driver;
    driver.Then(0, [&](QDialog& d) {
        auto* summary = d.findChild<QLabel*>(QStringLiteral("summary"));
        ASSERT_TRUE(summary);
        EXPECT_EQ(summary->text().toStdString(),
                  "adds 1, changes 1, vanished 0 (0 without channels)");
        EXPECT_EQ(db().tp_count(), count) << "nothing changes before OK";
        ClickDialogOk(d);
    });
    ChooseFromMenu(tree->SatelliteNode(0), kCmdUpdateSatXml);

    EXPECT_EQ(db().tp_count(), count + 1);
    EXPECT_NE(db().transponders[ours[0]].symbol_rate(),
              before->transponders[ours[0]].symbol_rate());
    ExpectTreeShowsTheTables();
    frame->RunCommand(kCmdEditUndo);
    EXPECT_EQ(std::memcmp(db().transponders.data(), before->transponders.data(),
                          sizeof(before->transponders)),
              0);
    EXPECT_EQ(db().tp_count(), count);
    ExpectTreeShowsTheTables();
}

class SatXmlScreenshot : public ScreenshotTest {};

TEST_F(SatXmlScreenshot, LoadWindow) {
    const std::string xml = Path("satellites.xml");
    std::string more;
    const char* names[] = {"4.8E Astra 4A/SES 5",    "7.0E Eutelsat 7B/7C", "9.0E Eutelsat 9B",
                           "13.0E Hot Bird 13F/13G", "16.0E Eutelsat 16A",  "23.5E Astra 3C",
                           "28.2E Astra 2E/2F/2G",   "39.0E Hellas Sat 3/4"};
    const int positions[] = {48, 70, 90, 130, 160, 235, 282, 390};
    for (int i = 0; i < 8; ++i) {
        std::string tps;
        for (int k = 0; k < 10 + i * 7; ++k) tps += XmlTp(10700000 + k * 19000, 27500000, k % 2);
        more += XmlSat(names[i], positions[i], tps);
    }
    WriteText(xml, kThreeSatellites.substr(0, kThreeSatellites.rfind("</satellites>")) + more +
                       "</satellites>\n");
    chooser.answers = {xml};
    ModalDriver driver;
    driver.Then(0, [this](QDialog& d) {
        ChooseTwo(d);
        Save(d, "satxml-load-window.png");
        d.reject();
    });
    ChooseFromMenu(tree->RootNode(kRootAntenna), kCmdLoadSatXml);
}

}  // namespace
}  // namespace velmora::testing
