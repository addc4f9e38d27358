// The satellite tree: nodes and labels, selection driving the list, menus, keys.

#include <map>

#include "commands/CommandIds.h"
#include "satellites/TreeLabels.h"
#include "tests/gui/GuiFixture.h"

namespace velmora::testing {
namespace {

// Takes the commands the tree hands on and records each as the operation it stands for
// on the selected node.
struct RecordingTreeHooks {
    std::vector<std::string> calls;
    bool rename_result = true;
    CVelmoraDoc* doc = nullptr;
    CMainFrame* frame = nullptr;

    void Run(int id) {
        const TreeNodeRef n = frame->leftView()->SelectedNode();
        const std::string s = std::to_string(n.satellite);
        const std::string k = std::to_string(n.position);
        const std::map<int, std::string> names = {
            {kCmdAddAntenna, "AddSatellite"},
            {kCmdEditAntenna, "EditSatellite " + s},
            {kCmdMoveAntenna, "MoveSatellite " + s},
            {kCmdSwapAntenna, "SwapSatellite " + s},
            {kCmdDeleteAntenna, "DeleteSatellite " + s},
            {kCmdLoadListing, "LoadSatellitesFromListing"},
            {kCmdAddTransponder, "AddTransponder " + s},
            {kCmdModifyTransponders, "ModifyTransponders " + s},
            {kCmdEditTransponder, "EditTransponder " + s + " " + k},
            {kCmdDeleteTransponder, "DeleteTransponder " + s + " " + k},
            {kCmdRenameFavGroup, "RenameFavouriteGroup " + k},
            {kCmdParentalControl, "EditParentalControl"},
            {kCmdOtherSetting, "EditOtherSettings"}};
        calls.push_back(names.count(id) ? names.at(id) : "command " + std::to_string(id));
        if (id == kCmdRenameFavGroup && rename_result) {
            testing::ChangeTables(
                *doc, [&](Database& d) { d.settings.set_fav_name(n.position, "Films"); });
            frame->Apply({.relabel_group = n.position});
        }
    }
};

class TreeView : public GuiTest {
protected:
    RecordingTreeHooks* InstallHooks() {
        hooks = std::make_unique<RecordingTreeHooks>();
        hooks->doc = &app->doc();
        hooks->frame = frame;
        RecordingTreeHooks* raw = hooks.get();
        tree->SetCommandSink([raw](int id) { raw->Run(id); });
        tree->SetListingSiteHost("listing.example");
        return raw;
    }
    // A step the tree alone must show: the main window, which would show every table
    // again after it, is not told.
    template <typename Change>
    void ChangeTreeTables(Change&& change) {
        app->doc().RemoveObserver(frame);
        ChangeDb(change);
        app->doc().AddObserver(frame);
    }
    std::unique_ptr<RecordingTreeHooks> hooks;
    // Channels of the shown table passing `pass`, as table positions.
    std::vector<int> Expected(const std::function<bool(const Channel&)>& pass) {
        std::vector<int> rows;
        for (int i = 0; i < expected->tv_count(); ++i)
            if (pass(expected->tv[i])) rows.push_back(i);
        return rows;
    }
    void RightClick(QTreeWidgetItem* item) {
        const QRect rect = tree->visualItemRect(item);
        QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, rect.center());
    }
};

TEST_F(TreeView, NodesAndLabelsFollowTheRecords) {
    StartWithSample();
    const NodeMap& map = tree->node_map();
    for (int s = 0; s < expected->sat_count(); ++s) {
        QTreeWidgetItem* sat = tree->SatelliteNode(s);
        ASSERT_TRUE(sat);
        EXPECT_EQ(sat->text(0).toStdString(), SatelliteLabel(expected->satellites[s], s));
        ASSERT_EQ(sat->childCount(), map.count(s));
        for (int k = 0; k < map.count(s); ++k) {
            EXPECT_EQ(expected->transponders[map.at(s, k)].satellite(), s);
            EXPECT_EQ(sat->child(k)->text(0).toStdString(),
                      TransponderLabel(expected->transponders[map.at(s, k)], k));
            if (k > 0) {
                EXPECT_LT(map.at(s, k - 1), map.at(s, k)) << "table order";
            }
        }
    }
    EXPECT_FALSE(tree->RootNode(kRootOtherSetting)->icon(0).isNull());
    EXPECT_FALSE(tree->RootNode(kRootParental)->icon(0).isNull());
}

TEST_F(TreeView, LabelsOfTheExamples) {
    auto db = std::make_unique<Database>();
    FillSampleDatabase(*db, {1, 1, 0, 0});
    Satellite& sat = db->satellites[0];
    sat = Satellite{};
    sat.set_name("New SAT");
    sat.set_lnb_low(9750), sat.set_lnb_high(10600), sat.set_universal(1);
    Transponder& tp = db->transponders[0];
    tp.set_frequency(11747), tp.set_polarisation(1), tp.set_symbol_rate(27500), tp.set_fec(3);
    const std::string path = Path("examples.sdx");
    ASSERT_EQ(SaveDatabaseFile(*db, path), SaveResult::Written);
    Start({QString::fromStdString(path)});
    EXPECT_EQ(tree->SatelliteNode(0)->text(0),
              QStringLiteral("| 1 | New SAT | Universal |  None | "));
    EXPECT_EQ(tree->TransponderNode(0, 0)->text(0),
              QStringLiteral("1 | 11747 | VER | 27500 | 3/4"));
}

TEST_F(TreeView, SelectingNodesFillsTheListAndSetsTheCurrentSelection) {
    StartWithSample();
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    EXPECT_EQ(view->list().list_mode(), kListAll);
    EXPECT_EQ(view->model()->rowCount(), expected->tv_count());
    EXPECT_EQ(view->list().current_satellite(), -1);

    // The third transponder of the second satellite.
    tree->setCurrentItem(tree->TransponderNode(1, 2));
    const int tp_id = expected->transponders[tree->node_map().at(1, 2)].tp_id();
    EXPECT_EQ(view->list().current_satellite(), 1);
    EXPECT_EQ(view->list().current_tp_id(), tp_id);
    EXPECT_EQ(view->list().list_mode(), kListTransponder);
    const auto on_tp = Expected([&](const Channel& ch) { return ch.tp_id() == tp_id; });
    EXPECT_EQ(view->list().row_map(), on_tp);
    ASSERT_EQ(view->model()->rowCount(), static_cast<int>(on_tp.size()));
    ASSERT_FALSE(on_tp.empty());
    EXPECT_EQ(view->model()->index(0, 0).data().toString(), QStringLiteral("1"));
    EXPECT_EQ(view->model()->index(0, 1).data().toString(),
              QString::fromLatin1(expected->tv[on_tp[0]].name()));

    // "All Services", "Antenna", "FAV List", "Parental Control" change nothing.
    for (int root : {kRootAllServices, kRootAntenna, kRootFavList, kRootParental}) {
        tree->setCurrentItem(tree->RootNode(root));
        EXPECT_EQ(view->list().current_tp_id(), tp_id);
        EXPECT_EQ(view->list().row_map(), on_tp);
    }

    tree->setCurrentItem(tree->SatelliteNode(2));
    EXPECT_EQ(view->list().current_satellite(), 2);
    EXPECT_EQ(view->list().current_tp_id(), -1);
    EXPECT_EQ(view->list().list_mode(), kListSatellite);
    EXPECT_EQ(view->list().row_map(), Expected([&](const Channel& ch) {
                  return expected->SatelliteOfTransponder(ch.tp_id()) == 2;
              }));

    tree->setCurrentItem(tree->GroupNode(0));
    EXPECT_EQ(view->list().list_mode(), kListFavourite);
    EXPECT_EQ(view->list().current_satellite(), -1);
    EXPECT_EQ(view->list().row_map(), Expected([](const Channel& ch) { return ch.fav(0); }));
}

TEST_F(TreeView, NothingHappensWithoutADatabase) {
    Start();
    RecordingTreeHooks* hooks = InstallHooks();
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    EXPECT_EQ(view->model()->rowCount(), 0);
    EXPECT_EQ(tree->BuildContextMenu(), nullptr);
    tree->setCurrentItem(tree->RootNode(kRootParental));
    QTest::keyClick(tree, Qt::Key_Return);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {},
                       tree->visualItemRect(tree->RootNode(kRootParental)).center());
    tree->setCurrentItem(tree->RootNode(kRootAntenna));
    RightClick(tree->RootNode(kRootChannelList));
    EXPECT_EQ(tree->currentItem(), tree->RootNode(kRootAntenna)) << "the right button does nothing";
    EXPECT_TRUE(hooks->calls.empty());
}

TEST_F(TreeView, ContextMenusByNodeKind) {
    StartWithSample();
    InstallHooks();
    auto texts = [&](QTreeWidgetItem* node) {
        tree->setCurrentItem(node);
        QStringList out;
        std::unique_ptr<QMenu> menu = tree->BuildContextMenu();
        if (!menu) return QStringList{QStringLiteral("(none)")};
        for (QAction* a : menu->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    EXPECT_EQ(texts(tree->RootNode(kRootAntenna)),
              (QStringList{"Add Antenna", "Load Satellite from html file of listing.example...",
                           "Load Satellites from satellites.xml...",
                           "Update Transponders from satellites.xml..."}));
    EXPECT_EQ(texts(tree->SatelliteNode(0)),
              (QStringList{"Add Antenna", "Edit Antenna", "Move Antenna", "Swap Antenna",
                           "Delete Antenna", "-", "Add Transponder", "-", "Modify Transponders",
                           "Update Transponders from satellites.xml..."}));
    EXPECT_EQ(texts(tree->TransponderNode(0, 0)),
              (QStringList{"Add Transponder", "Edit Transponder", "Delete Transponder"}));
    EXPECT_EQ(texts(tree->GroupNode(3)), QStringList{"Rename FAV Group Name"});
    for (int root :
         {kRootAllServices, kRootChannelList, kRootFavList, kRootParental, kRootOtherSetting})
        EXPECT_EQ(texts(tree->RootNode(root)), QStringList{"(none)"});
}

TEST_F(TreeView, MenuItemsRunTheirOperationsOnTheSelectedNode) {
    StartWithSample();
    RecordingTreeHooks* hooks = InstallHooks();
    tree->setCurrentItem(tree->RootNode(kRootAntenna));
    tree->RunMenuCommand(kCmdAddAntenna);
    tree->RunMenuCommand(kCmdLoadListing);
    tree->setCurrentItem(tree->SatelliteNode(1));
    for (int id : {kCmdAddAntenna, kCmdEditAntenna, kCmdMoveAntenna, kCmdSwapAntenna,
                   kCmdDeleteAntenna, kCmdAddTransponder, kCmdModifyTransponders})
        tree->RunMenuCommand(id);
    tree->setCurrentItem(tree->TransponderNode(2, 1));
    for (int id : {kCmdAddTransponder, kCmdEditTransponder, kCmdDeleteTransponder})
        tree->RunMenuCommand(id);
    EXPECT_EQ(hooks->calls,
              (std::vector<std::string>{"AddSatellite", "LoadSatellitesFromListing", "AddSatellite",
                                        "EditSatellite 1", "MoveSatellite 1", "SwapSatellite 1",
                                        "DeleteSatellite 1", "AddTransponder 1",
                                        "ModifyTransponders 1", "AddTransponder 2",
                                        "EditTransponder 2 1", "DeleteTransponder 2 1"}));
}

TEST_F(TreeView, RenamedGroupShowsTheStoredName) {
    StartWithSample();
    RecordingTreeHooks* hooks = InstallHooks();
    tree->setCurrentItem(tree->GroupNode(2));
    tree->RunMenuCommand(kCmdRenameFavGroup);
    EXPECT_EQ(tree->GroupNode(2)->text(0), QStringLiteral("Films"));
    hooks->rename_result = false;
    ChangeTreeTables([](Database& d) { d.settings.set_fav_name(3, "Ignored"); });
    tree->setCurrentItem(tree->GroupNode(3));
    tree->RunMenuCommand(kCmdRenameFavGroup);
    EXPECT_EQ(tree->GroupNode(3)->text(0), QStringLiteral("Kids"));
}

TEST_F(TreeView, RightClickShowsTheMenuOfTheSelectedNode) {
    StartWithSample();
    frame->resize(1024, 640);
    RecordingTreeHooks* hooks = InstallHooks();
    tree->setCurrentItem(tree->SatelliteNode(0));
    QStringList shown;
    OnNextPopup(kCmdEditAntenna, &shown);
    RightClick(tree->RootNode(kRootChannelList));
    EXPECT_EQ(shown.value(1), QStringLiteral("Edit Antenna"));
    EXPECT_EQ(hooks->calls, std::vector<std::string>{"EditSatellite 0"});
    EXPECT_EQ(tree->currentItem(), tree->SatelliteNode(0)) << "the selection stays";
}

TEST_F(TreeView, KeysAndDoubleClickRunTheirOperations) {
    StartWithSample();
    RecordingTreeHooks* hooks = InstallHooks();
    tree->setCurrentItem(tree->SatelliteNode(1));
    QTest::keyClick(tree, Qt::Key_Return);
    QTest::keyClick(tree, Qt::Key_Delete);
    tree->setCurrentItem(tree->TransponderNode(0, 2));
    QTest::keyClick(tree, Qt::Key_Delete);
    QTest::keyClick(tree, Qt::Key_Return);  // nothing for a transponder
    tree->setCurrentItem(tree->RootNode(kRootParental));
    QTest::keyClick(tree, Qt::Key_Return);
    tree->setCurrentItem(tree->RootNode(kRootOtherSetting));
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {},
                       tree->visualItemRect(tree->RootNode(kRootOtherSetting)).center());
    EXPECT_EQ(hooks->calls, (std::vector<std::string>{"EditSatellite 1", "DeleteSatellite 1",
                                                      "DeleteTransponder 0 2",
                                                      "EditParentalControl", "EditOtherSettings"}));
}

TEST_F(TreeView, NodeUpkeepForTheOperations) {
    StartWithSample();
    const int before = tree->SatelliteNode(0)->childCount();
    ASSERT_GE(before, 3);
    // Delete transponder node 1 of satellite 0 from the table, then from the tree.
    const int index = tree->node_map().at(0, 1);
    ChangeTreeTables([&](Database& d) { DeleteTransponderAt(d, index); });
    tree->RemoveTransponderNode(0, 1);
    ASSERT_EQ(tree->SatelliteNode(0)->childCount(), before - 1);
    for (int s = 0; s < db().sat_count(); ++s) {
        NodeMap fresh;
        fresh.Build(db(), s);
        EXPECT_EQ(tree->node_map().entries(s), fresh.entries(s)) << s;
    }
    EXPECT_EQ(tree->TransponderNode(0, 1)->text(0).toStdString(),
              TransponderLabel(db().transponders[tree->node_map().at(0, 1)], 1));

    ChangeTreeTables([](Database& d) { d.satellites[0].set_name("Renamed"); });
    tree->UpdateSatelliteNode(0);
    EXPECT_TRUE(tree->SatelliteNode(0)->text(0).contains(QStringLiteral("Renamed")));
    tree->RebuildSatellites();
    EXPECT_EQ(tree->RootNode(kRootAntenna)->childCount(), db().sat_count());
    EXPECT_EQ(tree->SatelliteNode(0)->childCount(), before - 1);
    EXPECT_EQ(CLeftView::ChildPosition(tree->RootNode(kRootAntenna), tree->SatelliteNode(2)), 2);
    EXPECT_EQ(CLeftView::ChildPosition(tree->RootNode(kRootAntenna), tree->GroupNode(0)),
              db().sat_count());
}

}  // namespace
}  // namespace velmora::testing
