// The command table: one row per id with texts said once, menus that name only rows, and
// RunCommand running each command as one recorded step of the document.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <set>

#include "database/DatabaseFile.h"
#include "tests/core/TestDatabases.h"
#include "tests/core/favourite_invariant.h"
#include "tests/core/scripted_dialog_host.h"
#include "tests/support/SampleDatabase.h"
#include "text/Translate.h"

namespace velmora {
namespace {

using testing::CommandBench;
using testing::FavouriteMismatch;

TEST(CommandTable, EveryIdHasOneRow) {
    std::set<int> ids;
    for (const CommandRow& row : CommandRows()) {
        for (int id = row.id; id < row.id + row.id_count; ++id) {
            EXPECT_TRUE(ids.insert(id).second) << id << " has two rows";
            EXPECT_EQ(FindCommand(id), &row) << id;
        }
        EXPECT_NE(row.run, nullptr) << row.id;
    }
    EXPECT_EQ(FindCommand(32959), nullptr);
}

TEST(CommandTable, MenusToolbarAndKeysNameRowsWithTexts) {
    auto expect_entry = [](int id) {
        const CommandRow* row = FindCommand(id);
        ASSERT_NE(row, nullptr) << id;
        EXPECT_TRUE(row->menu_text && *row->menu_text) << id;
    };
    for (auto menu : {MainMenu(), ChannelPopupMenu()}) {
        int depth = 0;
        for (const MenuItem& item : menu) {
            if (item.kind == MenuItem::Command) expect_entry(item.id);
            depth += item.kind == MenuItem::Menu ? 1 : item.kind == MenuItem::End ? -1 : 0;
            EXPECT_GE(depth, 0);
        }
        EXPECT_EQ(depth, 0) << "every Menu() has its End()";
    }
    for (int id : ToolbarButtons())
        if (id) expect_entry(id);
    for (int id : WindowKeyCommands()) expect_entry(id);
    for (TreeNodeKind kind : {TreeNodeKind::Antenna, TreeNodeKind::Satellite,
                              TreeNodeKind::Transponder, TreeNodeKind::FavouriteGroup}) {
        ASSERT_FALSE(TreeMenu(kind).empty());
        for (int id : TreeMenu(kind))
            if (id) expect_entry(id);
    }
    EXPECT_TRUE(TreeMenu(TreeNodeKind::ChannelList).empty());
}

// Alt+letter reaches one entry of a menu: no two entries of one menu share a mnemonic.
TEST(CommandTable, MnemonicsDoNotClashWithinAMenu) {
    std::vector<std::set<char>> open(1);  // the letters of each menu being read
    auto take = [&](const char* text) {
        const char* amp = text ? std::strchr(text, '&') : nullptr;
        if (!amp || !amp[1]) return;
        const char letter = static_cast<char>(std::tolower(amp[1]));
        EXPECT_TRUE(open.back().insert(letter).second) << text;
    };
    for (const MenuItem& item : MainMenu()) {
        if (item.kind == MenuItem::Command) take(FindCommand(item.id)->menu_text);
        if (item.kind == MenuItem::Menu) {
            take(item.text);
            open.emplace_back();
        }
        if (item.kind == MenuItem::End) open.pop_back();
    }
}

TEST(CommandTable, EachMenuTextAndUndoLabelIsSaidOnce) {
    std::map<std::string, int> menu_texts, undo_labels;
    for (const CommandRow& row : CommandRows()) {
        if (row.menu_text) ++menu_texts[row.menu_text];
        if (!UndoLabel(row).empty()) ++undo_labels[UndoLabel(row)];
    }
    for (const auto& [text, n] : menu_texts) EXPECT_EQ(n, 1) << text;
    for (const auto& [label, n] : undo_labels) EXPECT_EQ(n, 1) << label;
}

TEST(CommandTable, TextsTheUserSees) {
    EXPECT_STREQ(FindCommand(kCmdLoadListing)->menu_text, "Load Satellite from html file of %1...");
    EXPECT_STREQ(FindCommand(kCmdDeleteChannel)->prompt, "Detelte a channel");
    EXPECT_STREQ(FindCommand(kCmdRecentFile1 + 3)->prompt, "Open this document");
    const std::pair<int, const char*> labels[] = {{kCmdDeleteChannel, "Delete Channel"},
                                                  {kCmdSortAToZ, "Sort A--->Z"},
                                                  {kCmdLoadListing, "Load Satellite"},
                                                  {kCmdParentalControl, "Parental Control"},
                                                  {kCmdAddAntenna, "Add Antenna"},
                                                  {kCmdTvChannel, ""},
                                                  {kCmdEditUndo, ""},
                                                  {kCmdShowChannelInfo, ""}};
    for (const auto& [id, label] : labels) EXPECT_EQ(UndoLabel(*FindCommand(id)), label) << id;
}

std::string InContext(const char* context, const char* text) {
    return std::string(context) + ":" + text;
}

TEST(CommandTable, UndoLabelsAreInTheUsersLanguage) {
    SetTranslator(&InContext);
    const std::pair<int, const char*> labels[] = {{kCmdAddChannel, "commands:Add Channel"},
                                                  {kCmdSortAToZ, "commands:Sort A--->Z"},
                                                  {kCmdTvChannel, ""}};
    for (const auto& [id, label] : labels) EXPECT_EQ(UndoLabel(*FindCommand(id)), label) << id;
    SetTranslator(nullptr);
}

TEST(CommandTable, TreeKeysRunTheirNodesCommands) {
    using K = TreeNodeKind;
    EXPECT_EQ(TreeKeyCommand(K::Satellite, TreeKey::Enter), kCmdEditAntenna);
    EXPECT_EQ(TreeKeyCommand(K::Satellite, TreeKey::Delete), kCmdDeleteAntenna);
    EXPECT_EQ(TreeKeyCommand(K::Transponder, TreeKey::Delete), kCmdDeleteTransponder);
    EXPECT_EQ(TreeKeyCommand(K::Transponder, TreeKey::Enter), 0);
    EXPECT_EQ(TreeKeyCommand(K::ParentalControl, TreeKey::DoubleClick), kCmdParentalControl);
    EXPECT_EQ(TreeKeyCommand(K::OtherSetting, TreeKey::Enter), kCmdOtherSetting);
    EXPECT_EQ(TreeKeyCommand(K::FavouriteGroup, TreeKey::Delete), 0);
}

class RunningCommands : public ::testing::Test {
protected:
    void SetUp() override {
        testing::FillSampleDatabase(bench.db());
        bench.db().database_open = true;
        bench.list.FillAllChannels(bench.db());
    }
    bool Same(const DatabaseTables& t) {
        return std::memcmp(&bench.db().tables(), &t, sizeof(DatabaseTables)) == 0;
    }
    CommandBench bench;
};

TEST_F(RunningCommands, ATableChangeIsOneStepNamedByItsRow) {
    auto before = std::make_unique<DatabaseTables>(bench.db().tables());
    bench.rows = {0, 3};
    bench.prompter.answers.push_back(Answer::Yes);
    bench.Run(kCmdDeleteChannel);
    ASSERT_EQ(bench.doc.history().step_count(), 1u);
    EXPECT_EQ(bench.doc.history().UndoLabel(), "Delete Channel");

    bench.node = {TreeNodeKind::ChannelList};
    const ViewEffect undone = bench.Run(kCmdEditUndo);
    EXPECT_TRUE(Same(*before));
    EXPECT_TRUE(undone.restore);
    EXPECT_TRUE(undone.restore_tree) << "the channel counts changed";
    EXPECT_EQ(undone.restore_node, bench.node);
    EXPECT_FALSE(undone.restore_moved);
    EXPECT_EQ(undone.select_rows, bench.rows);
    EXPECT_TRUE(bench.Run(kCmdEditRedo).restore);
    EXPECT_EQ(bench.db().tv_count(), before->header.tv_count() - 2);
}

TEST_F(RunningCommands, CancelAndReadOnlyCommandsRecordNothing) {
    bench.rows = {2};
    bench.dialogs.channels.channel.push_back(testing::Cancel<ChannelForm>());
    bench.Run(kCmdEditChannel);
    bench.Run(kCmdRadioChannel);
    EXPECT_EQ(bench.list.shown_table(), ChannelTable::Radio);
    bench.Run(kCmdSortAToZ);
    EXPECT_FALSE(bench.Run(kCmdEditUndo).restore_tree) << "a sort leaves the tree's tables";
    bench.doc.history().Clear();
    EXPECT_EQ(bench.doc.history().step_count(), 0u);
    EXPECT_FALSE(bench.Run(kCmdEditUndo).restore) << "nothing to undo";
}

// The comparison's copy and the health check's fixes are rows run over their window's
// selection, recorded by the document and shown as after Undo.
TEST_F(RunningCommands, AChangeFromABesideWindowIsOneStepOnlyWhenItChanged) {
    // Two channels sharing a key: a finding Fix All mends.
    Channel& twin = bench.db().tv[1];
    twin.set_tp_id(bench.db().tv[0].tp_id());
    twin.set_service_number(bench.db().tv[0].service_number());
    auto before = std::make_unique<DatabaseTables>(bench.db().tables());
    bench.node = {TreeNodeKind::ChannelList};
    bench.rows = {1};
    bench.window.findings = {};  // nothing chosen: Fix changes nothing
    EXPECT_FALSE(bench.Run(kCmdFixFindings).restore);
    EXPECT_EQ(bench.doc.history().step_count(), 0u);
    EXPECT_FALSE(bench.doc.IsModified());

    const ViewEffect shown = bench.Run(kCmdFixAllFindings);
    EXPECT_TRUE(shown.restore);
    EXPECT_FALSE(shown.restore_tree) << "no satellite or transponder changed";
    EXPECT_EQ(shown.select_rows, std::vector<int>{1});
    EXPECT_FALSE(shown.note.empty());
    EXPECT_TRUE(bench.doc.IsModified());
    EXPECT_EQ(bench.doc.history().UndoLabel(), "Fix All");
    bench.Run(kCmdEditUndo);
    EXPECT_TRUE(Same(*before));
}

TEST_F(RunningCommands, TreeCommandsActOnTheSelectedNodeOnlyWithADatabase) {
    bench.node = {TreeNodeKind::Satellite, 1, -1};
    bench.prompter.answers.push_back(Answer::Yes);
    const ViewEffect e = bench.Run(kCmdDeleteAntenna);
    EXPECT_EQ(e.tree.select, TreeSelect::Satellite);
    EXPECT_EQ(bench.doc.history().UndoLabel(), "Delete Antenna");
    bench.prompter.shown.clear();
    // On a node it is not offered on, or with no database, a command does nothing.
    const int sats = bench.db().sat_count();
    bench.node = {TreeNodeKind::FavouriteGroup, -1, 2};
    bench.Run(kCmdDeleteAntenna);
    bench.db().database_open = false;
    bench.node = {TreeNodeKind::Satellite, 0, -1};
    bench.Run(kCmdDeleteAntenna);
    bench.Run(kCmdAddAntenna);
    EXPECT_TRUE(bench.prompter.shown.empty());
    EXPECT_EQ(bench.db().sat_count(), sats);
}

TEST_F(RunningCommands, UndoKeepsTheNodeOrTheNearestOneAbove) {
    Database& db = bench.db();
    NodeMap map;
    map.Build(db, 0);
    const int last = map.count(0) - 1;
    ASSERT_GE(last, 0);
    const struct {
        TreeNodeRef node;
        TreeNodeRef after;
    } cases[] = {
        {{TreeNodeKind::Transponder, 0, last}, {TreeNodeKind::Transponder, 0, last}},
        {{TreeNodeKind::Transponder, 0, last + 1}, {TreeNodeKind::Satellite, 0, -1}},
        {{TreeNodeKind::Transponder, db.sat_count(), 0}, {TreeNodeKind::Antenna}},
        {{TreeNodeKind::Satellite, db.sat_count(), -1}, {TreeNodeKind::Antenna}},
        {{TreeNodeKind::FavouriteGroup, -1, 7}, {TreeNodeKind::FavouriteGroup, -1, 7}},
        {{}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(NodeAfterRestore(db, c.node), c.after);
}

// Listing a favourite group once purged stale keys outside any step: delete a transponder
// carrying a marked channel, list the group, Undo, and the channel had its mark back but
// not its key. Now the key leaves with the channel, inside the step.
TEST(FavouriteGroups, DeletedTransponderListingAndUndoKeepMarksAndKeysTogether) {
    testing::TempDir dir;
    const std::string path = dir / "sample.sdx";
    std::filesystem::copy_file(VELMORA_SOURCE_DIR "/examples/sample.sdx", path);
    CommandBench bench;
    ASSERT_TRUE(bench.doc.OpenPath(path));
    Database& db = bench.db();
    ASSERT_EQ(FavouriteMismatch(db), "");

    // A transponder node whose transponder carries a TV channel marked for a group.
    int g = -1;
    for (int s = 0; s < db.sat_count() && g < 0; ++s) {
        NodeMap map;
        map.Build(db, s);
        for (int k = 0; k < map.count(s) && g < 0; ++k) {
            const int tp_id = db.transponders[map.at(s, k)].tp_id();
            for (int i = 0; i < db.tv_count() && g < 0; ++i) {
                for (int m = 0; m < 8 && g < 0; ++m) {
                    if (db.tv[i].tp_id() == tp_id && db.tv[i].fav(m)) {
                        g = m;
                        bench.node = {TreeNodeKind::Transponder, s, k};
                    }
                }
            }
        }
    }
    ASSERT_GE(g, 0) << "the example has a marked channel";
    const auto opened = std::make_unique<DatabaseTables>(db.tables());

    bench.prompter.answers.push_back(Answer::Yes);
    bench.Run(kCmdDeleteTransponder);
    EXPECT_EQ(FavouriteMismatch(db), "");
    const auto deleted = std::make_unique<DatabaseTables>(db.tables());
    bench.list.FillFavouriteChannels(db, g);
    EXPECT_EQ(std::memcmp(&db.tables(), deleted.get(), sizeof(DatabaseTables)), 0)
        << "listing a group changes no table";
    bench.node = {TreeNodeKind::FavouriteGroup, -1, g};
    bench.Run(kCmdEditUndo);
    EXPECT_EQ(FavouriteMismatch(db), "");
    EXPECT_EQ(std::memcmp(&db.tables(), opened.get(), sizeof(DatabaseTables)), 0);

    // What Save writes is what the receiver gets: the same rule after reopening.
    testing::ChangeTables(bench.doc);
    ASSERT_TRUE(bench.doc.OnFileSave());
    auto reopened = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*reopened, path, FileAccess::ReadOnly), OpenResult::Ok);
    EXPECT_EQ(FavouriteMismatch(*reopened), "");
    EXPECT_EQ(reopened->favourites.bytes, db.favourites.bytes);
}

}  // namespace
}  // namespace velmora
