// Satellite and transponder editing through the main window: the tree's context menus and
// keys open the real dialogs, and afterwards the tree and the channel list show the tables.

#include <QListWidget>

#include "channels/MoveForm.h"
#include "commands/CommandIds.h"
#include "satellites/ModifiedTpList.h"
#include "satellites/SatelliteForm.h"
#include "satellites/TransponderForm.h"
#include "tests/gui/IntegrationFixture.h"

namespace velmora::testing {
namespace {

class SatelliteIntegration : public IntegrationTest {
protected:
    void SetUp() override {
        IntegrationTest::SetUp();
        StartShown();
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int s = 0; s < db().sat_count(); ++s) names.push_back(db().satellites[s].name());
        return names;
    }
    void FillTransponder(QDialog& d, const char* frequency, const char* rate) {
        SetText(d, kTpFrequencyEdit, QString::fromLatin1(frequency));
        SetText(d, kTpSymbolRateEdit, QString::fromLatin1(rate));
    }
};

TEST_F(SatelliteIntegration, AddAntennaAppendsItsNodeAndKeepsTheSelection) {
    const int count = db().sat_count();
    ModalDriver dialogs;
    dialogs.Then(kSatelliteDialogId, [](QDialog& d) {
        SetText(d, kSatNameEdit, QStringLiteral("Test Sat"));
        SetText(d, kSatAngleEdit, QStringLiteral("4.1"));
        ClickOk(d);
    });
    ChooseFromMenu(tree->RootNode(kRootAntenna), kCmdAddAntenna);
    ASSERT_EQ(dialogs.handled(), 1);
    ASSERT_EQ(db().sat_count(), count + 1);
    EXPECT_EQ(db().satellites[count].name(), "Test Sat");
    EXPECT_EQ(db().satellites[count].angle(), 410);
    ExpectTreeShowsTheTables();
    EXPECT_EQ(tree->currentItem(), tree->RootNode(kRootAntenna));
    ExpectListShowsTheSelection();
    tree->setCurrentItem(tree->SatelliteNode(count));
    EXPECT_EQ(view->model()->rowCount(), 0) << "a new satellite has no channels";
    EXPECT_TRUE(app->doc().IsModified());
}

TEST_F(SatelliteIntegration, EditAntennaRelabelsItsNodeAndARefusedAngleKeepsTheDialog) {
    ModalDriver dialogs;
    dialogs.Then(kSatelliteDialogId, [&](QDialog& d) {
        SetText(d, kSatNameEdit, QStringLiteral("Edited"));
        SetText(d, kSatAngleEdit, QStringLiteral("180.5"));
        ClickOk(d);
        EXPECT_TRUE(d.isVisible()) << "a refused angle keeps the dialog open";
        EXPECT_EQ(prompter.shown.size(), 1u);
        SetText(d, kSatAngleEdit, QStringLiteral("180"));
        ClickOk(d);
    });
    ChooseFromMenu(tree->SatelliteNode(1), kCmdEditAntenna);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(db().satellites[1].name(), "Edited");
    EXPECT_EQ(db().satellites[1].angle(), 18000);
    EXPECT_TRUE(tree->SatelliteNode(1)->text(0).contains(QStringLiteral("Edited")));
    ExpectTreeShowsTheTables();
}

TEST_F(SatelliteIntegration, EnterOnASatelliteOpensItsDialog) {
    ModalDriver dialogs;
    dialogs.Then(kSatelliteDialogId, [](QDialog& d) {
        SetText(d, kSatNameEdit, QStringLiteral("By Enter"));
        ClickOk(d);
    });
    PressOn(tree->SatelliteNode(2), Qt::Key_Return);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(db().satellites[2].name(), "By Enter");
    EXPECT_TRUE(tree->SatelliteNode(2)->text(0).contains(QStringLiteral("By Enter")));
}

TEST_F(SatelliteIntegration, MoveAntennaReordersTheNodesWithTheirTransponders) {
    const std::string first = db().satellites[0].name();
    const int first_tps = tree->SatelliteNode(0)->childCount();
    ModalDriver dialogs;
    dialogs.Then(kMoveDialogId, [](QDialog& d) {
        SetText(d, kIdMoveTo, QStringLiteral("3"));
        ClickOk(d);
    });
    ChooseFromMenu(tree->SatelliteNode(0), kCmdMoveAntenna);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(db().satellites[2].name(), first);
    EXPECT_EQ(tree->SatelliteNode(2)->childCount(), first_tps);
    ExpectTreeShowsTheTables();
    // The node at the old place stays selected and lists its new satellite's channels.
    EXPECT_EQ(tree->currentItem(), tree->SatelliteNode(0));
    EXPECT_EQ(view->list().list_mode(), kListSatellite);
    ExpectListShowsTheSelection();
}

TEST_F(SatelliteIntegration, SwapAntennaExchangesTwoNodes) {
    const std::string a = db().satellites[0].name(), b = db().satellites[3].name();
    tree->setCurrentItem(tree->SatelliteNode(0));
    ModalDriver dialogs;
    dialogs.Then(kMoveDialogId, [](QDialog& d) {
        SetText(d, kIdMoveTo, QStringLiteral("4"));
        ClickOk(d);
    });
    ChooseFromMenu(tree->SatelliteNode(0), kCmdSwapAntenna);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(db().satellites[0].name(), b);
    EXPECT_EQ(db().satellites[3].name(), a);
    ExpectTreeShowsTheTables();
    ExpectListShowsTheSelection();
}

TEST_F(SatelliteIntegration, OutOfRangeMoveChangesNothing) {
    const std::vector<std::string> before = Names();
    ModalDriver dialogs;
    dialogs.Then(kMoveDialogId, [](QDialog& d) {
        SetText(d, kIdMoveTo, QStringLiteral("9"));
        ClickOk(d);
    });
    ChooseFromMenu(tree->SatelliteNode(1), kCmdMoveAntenna);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(Names(), before);
    EXPECT_FALSE(prompter.shown.empty());
    ExpectTreeShowsTheTables();
}

TEST_F(SatelliteIntegration, DeleteAntennaByKeyDropsItsNodeAndItsChannelsFromTheList) {
    tree->setCurrentItem(tree->SatelliteNode(1));
    ASSERT_GT(view->model()->rowCount(), 0);
    const int tv_before = db().tv_count();
    const int on_sat = view->model()->rowCount();
    prompter.answers = {Answer::Yes};
    PressOn(tree->SatelliteNode(1), Qt::Key_Delete);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(db().sat_count(), 3);
    EXPECT_EQ(db().tv_count(), tv_before - on_sat);
    ExpectTreeShowsTheTables();
    ExpectListShowsTheSelection();
    for (int row = 0; row < view->list().row_count(); ++row)
        EXPECT_LT(view->list().row_map()[row], db().tv_count());
}

TEST_F(SatelliteIntegration, DeleteAntennaInRadioModeRelistsTheRadioTable) {
    frame->RunCommand(kCmdRadioChannel);
    tree->setCurrentItem(tree->SatelliteNode(0));
    ASSERT_EQ(view->list().shown_table(), ChannelTable::Radio);
    const int radio_before = db().radio_count();
    const int on_sat = view->model()->rowCount();
    ASSERT_GT(on_sat, 0) << "the sample has radio channels on the first satellite";
    prompter.answers = {Answer::Yes};
    ChooseFromMenu(tree->SatelliteNode(0), kCmdDeleteAntenna);
    EXPECT_EQ(db().radio_count(), radio_before - on_sat);
    EXPECT_EQ(view->list().shown_table(), ChannelTable::Radio)
        << "the list stays on the radio table";
    EXPECT_EQ(tree->currentItem(), tree->SatelliteNode(0));
    ExpectTreeShowsTheTables();
    ExpectListShowsTheSelection();
}

TEST_F(SatelliteIntegration, DeleteAntennaAnsweredNoChangesNothing) {
    const std::vector<std::string> sats = Names();
    prompter.answers = {Answer::No};
    ChooseFromMenu(tree->SatelliteNode(2), kCmdDeleteAntenna);
    EXPECT_EQ(Names(), sats);
    EXPECT_EQ(db().sat_count(), 4);
    ExpectTreeShowsTheTables();
}

TEST_F(SatelliteIntegration, AddTransponderAppendsANodeFromEitherMenu) {
    const int before = tree->SatelliteNode(0)->childCount();
    ModalDriver dialogs;
    dialogs.Then(kTransponderDialogId, [&](QDialog& d) {
        FillTransponder(d, "12001", "22000");
        ClickCancel(d);
    });
    dialogs.Then(kTransponderDialogId, [&](QDialog& d) {
        FillTransponder(d, "20000", "45000");
        ClickOk(d);
    });
    dialogs.Then(kTransponderDialogId, [&](QDialog& d) {
        FillTransponder(d, "1", "2000");
        ClickOk(d);
    });
    ChooseFromMenu(tree->SatelliteNode(0), kCmdAddTransponder);
    ChooseFromMenu(tree->SatelliteNode(0), kCmdAddTransponder);
    ChooseFromMenu(tree->TransponderNode(0, 0), kCmdAddTransponder);
    ASSERT_EQ(dialogs.handled(), 3);
    ASSERT_EQ(tree->SatelliteNode(0)->childCount(), before + 2);
    ExpectTreeShowsTheTables();
    EXPECT_TRUE(tree->TransponderNode(0, before)->text(0).contains(QStringLiteral("20000")));
    EXPECT_TRUE(tree->TransponderNode(0, before + 1)->text(0).contains(QStringLiteral("2000")));
}

TEST_F(SatelliteIntegration, EditTransponderRelabelsItsNode) {
    ModalDriver dialogs;
    dialogs.Then(kTransponderDialogId, [&](QDialog& d) {
        FillTransponder(d, "20001", "27500");
        ClickOk(d);
        EXPECT_TRUE(d.isVisible()) << "20001 is refused";
        FillTransponder(d, "12999", "27500");
        ClickOk(d);
    });
    ChooseFromMenu(tree->TransponderNode(1, 1), kCmdEditTransponder);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(tree->TransponderNode(1, 1)->text(0).contains(QStringLiteral("12999")));
    ExpectTreeShowsTheTables();
}

TEST_F(SatelliteIntegration, DeleteTransponderRefillsTheListWithoutItsChannels) {
    // The transponder with the most channels, shown in the list.
    int best_s = 0, best_k = 0;
    size_t most = 0;
    for (int s = 0; s < db().sat_count(); ++s)
        for (int k = 0; k < tree->node_map().count(s); ++k) {
            const size_t n =
                ChannelsOn(db().transponders[tree->node_map().at(s, k)].tp_id()).size();
            if (n > most) most = n, best_s = s, best_k = k;
        }
    ASSERT_GT(most, 0u);
    const int tp_id = db().transponders[tree->node_map().at(best_s, best_k)].tp_id();
    tree->setCurrentItem(tree->TransponderNode(best_s, best_k));
    ASSERT_EQ(view->model()->rowCount(), static_cast<int>(most));

    prompter.answers = {Answer::Yes};
    PressOn(tree->TransponderNode(best_s, best_k), Qt::Key_Delete);
    EXPECT_TRUE(ChannelsOn(tp_id).empty());
    EXPECT_FALSE(ShowsChannelOf(tp_id)) << "rows of deleted channels on show";
    ExpectTreeShowsTheTables();
    ExpectListShowsTheSelection();

    // The same through the menu while the satellite's channels are listed.
    tree->setCurrentItem(tree->SatelliteNode(best_s));
    const int rows = view->model()->rowCount();
    const int next_id = db().transponders[tree->node_map().at(best_s, 0)].tp_id();
    const int on_next = static_cast<int>(ChannelsOn(next_id).size());
    prompter.answers = {Answer::Yes};
    ChooseFromMenu(tree->TransponderNode(best_s, 0), kCmdDeleteTransponder);
    EXPECT_FALSE(ShowsChannelOf(next_id));
    ExpectTreeShowsTheTables();
    ExpectListShowsTheSelection();
    tree->setCurrentItem(tree->SatelliteNode(best_s));
    EXPECT_EQ(view->model()->rowCount(), rows - on_next);
}

TEST_F(SatelliteIntegration, ModifyTranspondersRebuildsTheSatelliteAndTheList) {
    const int s = 1;
    const int before = tree->SatelliteNode(s)->childCount();
    ASSERT_GE(before, 3);
    const int gone1 = db().transponders[tree->node_map().at(s, 0)].tp_id();
    const int gone3 = db().transponders[tree->node_map().at(s, 2)].tp_id();
    tree->setCurrentItem(tree->SatelliteNode(s));
    ModalDriver dialogs;
    dialogs.Then(kModifyTpDialogId, [&](QDialog& d) {
        auto* rows = DialogControl<QListWidget>(d, kModifyTpList);
        ASSERT_EQ(rows->count(), before);
        rows->clearSelection();
        rows->item(0)->setSelected(true);
        rows->item(2)->setSelected(true);
        Click(d, kModifyTpDel);
        EXPECT_EQ(rows->count(), before - 2);
        Click(d, kModifyTpAdd);  // the transponder dialog opens over this one
        EXPECT_EQ(rows->count(), before - 1);
        ClickOk(d);
    });
    dialogs.Then(kTransponderDialogId, [&](QDialog& d) {
        FillTransponder(d, "10777", "30000");
        ClickOk(d);
    });
    ChooseFromMenu(tree->SatelliteNode(s), kCmdModifyTransponders);
    ASSERT_EQ(dialogs.handled(), 2);
    EXPECT_EQ(tree->SatelliteNode(s)->childCount(), before - 1);
    ExpectTreeShowsTheTables();
    EXPECT_EQ(tree->currentItem(), tree->SatelliteNode(s));
    EXPECT_FALSE(ShowsChannelOf(gone1));
    EXPECT_FALSE(ShowsChannelOf(gone3));
    ExpectListShowsTheSelection();
}

}  // namespace
}  // namespace velmora::testing
