// Undo and redo of real commands from every subsystem: each step restores the tables
// byte for byte, and the modified flag follows the saved state.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "TestDatabases.h"
#include "channel_fixture.h"
#include "channels/ChannelBlockMove.h"
#include "database/CVelmoraDoc.h"
#include "import/ListingImportCommand.h"
#include "satellite_test_support.h"
#include "satellites/SatelliteOps.h"
#include "satellites/TransponderOps.h"
#include "settings/SettingsOps.h"
#include "settings_scripted_dialogs.h"
#include "support/SampleDatabase.h"

namespace velmora {
namespace {

using testing::ScriptedChannelDialogs;
using testing::ScriptedFileChooser;
using testing::ScriptedPrompter;
using testing::ScriptedSatelliteDialogs;
using testing::ScriptedSettingsDialogs;

std::unique_ptr<DatabaseTables> Copy(const Database& db) {
    auto t = std::make_unique<DatabaseTables>();
    *t = db.tables();
    return t;
}

bool Same(const Database& db, const DatabaseTables& t) {
    return std::memcmp(&db.tables(), &t, sizeof(DatabaseTables)) == 0;
}

class UndoCommands : public ::testing::Test {
protected:
    void SetUp() override {
        // The one writable view of the document's tables these tests keep; the commands
        // below still change them only inside recorded steps.
        doc.Record("", [this](Database& tables) {
            db = &tables;
            testing::FillSampleDatabase(tables);
            tables.database_open = true;
        });
        history.Clear();
        list.FillAllChannels(*db);
    }

    // Runs `command` as one recorded step of the document, then checks that Undo gives
    // back the tables exactly, unmodified, and Redo the changed ones, modified again.
    template <typename Command>
    void ExpectExactUndoRedo(const char* label, Command command) {
        const auto before = Copy(*db);
        const size_t steps = history.step_count();
        doc.Record(label, [&](Database&) { command(); });
        ASSERT_EQ(history.step_count(), steps + 1) << label << " changed nothing";
        ASSERT_TRUE(doc.IsModified()) << label;
        const auto after = Copy(*db);
        EXPECT_EQ(history.UndoLabel(), label);

        ASSERT_TRUE(history.Undo(*db));
        EXPECT_TRUE(Same(*db, *before)) << label;
        EXPECT_FALSE(doc.IsModified()) << label;
        ASSERT_TRUE(history.Redo(*db));
        EXPECT_TRUE(Same(*db, *after)) << label;
        EXPECT_TRUE(doc.IsModified()) << label;
        ASSERT_TRUE(history.Undo(*db));
        history.Clear();
    }

    ChannelCommandContext Channels(std::vector<int> rows) {
        return {*db, list, std::move(rows), prompter, channel_dialogs};
    }

    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    CVelmoraDoc doc{prompter, chooser};
    Database* db = nullptr;
    UndoHistory& history = doc.history();
    ChannelList list;
    ScriptedChannelDialogs channel_dialogs;
    ScriptedSatelliteDialogs satellite_dialogs;
    ScriptedSettingsDialogs settings_dialogs;
    SatelliteTreeState tree_state;
};

TEST_F(UndoCommands, ChannelCommandsUndoByteForByte) {
    channel_dialogs.move.push_back(testing::MoveTo("40"));
    ExpectExactUndoRedo("Move Channel", [&] {
        auto c = Channels({3});
        EXPECT_EQ(MoveChannel(c), 1);
    });
    channel_dialogs.move.push_back(testing::MoveTo("7"));
    ExpectExactUndoRedo("Swap Channel", [&] {
        auto c = Channels({90});
        EXPECT_EQ(SwapChannel(c), 1);
    });
    prompter.answers.push_back(Answer::Yes);
    ExpectExactUndoRedo("Delete Channel", [&] {
        auto c = Channels({0, 5, 6, 120});
        EXPECT_EQ(DeleteChannels(c), 1);
    });
    channel_dialogs.channel.push_back(testing::ConfirmChannel(prompter, [](ChannelForm& f) {
        f.name = "Renamed";
        for (int g = 0; g < 8; ++g) f.fav[g] = !f.fav[g];
    }));
    ExpectExactUndoRedo("Edit Channel", [&] {
        auto c = Channels({12});
        EXPECT_EQ(EditChannel(c), 1);
    });
    ExpectExactUndoRedo("Sort A--->Z", [&] {
        auto c = Channels({});
        EXPECT_EQ(SortChannelsByName(c, false), 1);
    });
    ExpectExactUndoRedo("Sort by Satellite", [&] {
        auto c = Channels({});
        EXPECT_EQ(SortChannelsBySatellite(c), 1);
    });
}

TEST_F(UndoCommands, SatelliteAndTransponderCommandsUndoByteForByte) {
    prompter.answers.push_back(Answer::Yes);
    ExpectExactUndoRedo("Delete Antenna", [&] {
        DeleteSatellite(*db, prompter, 1);
        EXPECT_EQ(db->sat_count(), 3);
    });
    satellite_dialogs.move.push_back(testing::MoveTo(4));
    ExpectExactUndoRedo("Move Antenna",
                        [&] { MoveSatellite(*db, prompter, satellite_dialogs, tree_state, 0); });
    satellite_dialogs.satellite.push_back([](SatelliteForm& f) {
        f.name = "Brand New";
        return !ValidateAndApply(f, f.record);
    });
    ExpectExactUndoRedo("Add Antenna", [&] {
        AddSatellite(*db, prompter, satellite_dialogs);
        EXPECT_EQ(db->sat_count(), 5);
    });
    prompter.answers.push_back(Answer::Yes);
    ExpectExactUndoRedo("Delete Transponder", [&] { DeleteTransponder(*db, prompter, 2, 0); });
}

TEST_F(UndoCommands, SettingsDialogsUndoByteForByte) {
    settings_dialogs.rename = [](FavouriteNameForm& f) {
        f.name = "Sports";
        return true;
    };
    ExpectExactUndoRedo("Rename FAV Group Name", [&] {
        EXPECT_TRUE(RenameFavouriteGroup(*db, prompter, settings_dialogs, 2));
    });
    settings_dialogs.other = [](OtherSettingsForm& f) {
        f.menu_language = (f.menu_language + 1) % 3;
        return true;
    };
    ExpectExactUndoRedo("Other Setting",
                        [&] { EXPECT_TRUE(EditOtherSettings(*db, prompter, settings_dialogs)); });
}

TEST_F(UndoCommands, ListingImportUndoesByteForByte) {
    namespace fs = std::filesystem;
    const fs::path page = fs::path(::testing::TempDir()) / "Undo Gamma at 13E.htm";
    std::ofstream(page, std::ios::binary) << "<tr><td>11747 H</td><td>27500 -5/6</td></tr>\n"
                                             "<tr><td>3760 R</td><td>27500 -3/4</td></tr>\n";
    ScriptedFileChooser files;
    files.answers.push_back(page.string());
    ExpectExactUndoRedo("Load Satellite", [&] {
        const ImportResult result = RunListingImportCommand(*db, files, prompter);
        EXPECT_EQ(result.new_satellites.size(), 2u);
    });
    fs::remove(page);
}

TEST_F(UndoCommands, BlockMoveIsOneStep) {
    ExpectExactUndoRedo("Move Channel", [&] {
        EXPECT_EQ(MoveRowsAsBlock(*db, list, {2, 9, 4}, 20), (std::vector<int>{18, 19, 20}));
    });
    EXPECT_EQ(history.step_count(), 0u);
}

// Block moves on a plain list of five channels "A".."E" (and more where needed).
class BlockMove : public ::testing::Test {
protected:
    void Fill(std::vector<std::string> names, bool radio = false) {
        for (const std::string& n : names)
            testing::Append(*db, radio, testing::MakeChannel({.name = n, .pcr_pid = 100}));
        list.FillAllChannels(*db);
        list.ShowTable(*db, radio ? ChannelTable::Radio : ChannelTable::Tv);
        watch.Reset();
    }
    std::vector<std::string> Listed() const {
        std::vector<std::string> out;
        for (int r = 0; r < list.row_count(); ++r) out.push_back(list.RowChannel(*db, r).name());
        return out;
    }
    std::unique_ptr<Database> db = testing::OpenDatabase();
    testing::ChangeWatch watch{*db};
    ChannelList list;
};

TEST_F(BlockMove, RowsDroppedBelowEndAtTheTargetInTheirOrder) {
    Fill({"A", "B", "C", "D", "E", "F"});
    EXPECT_EQ(MoveRowsAsBlock(*db, list, {3, 0}, 4), (std::vector<int>{3, 4}));
    EXPECT_EQ(Listed(), (std::vector<std::string>{"B", "C", "E", "A", "D", "F"}));
    EXPECT_TRUE(watch.changed());
    EXPECT_EQ(list.last_move_target(), 5);
}

TEST_F(BlockMove, RowsDroppedAboveStartAtTheTarget) {
    Fill({"A", "B", "C", "D", "E", "F"});
    EXPECT_EQ(MoveRowsAsBlock(*db, list, {5, 3}, 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(Listed(), (std::vector<std::string>{"A", "D", "F", "B", "C", "E"}));
}

TEST_F(BlockMove, SingleRowActsAsMoveChannel) {
    Fill({"A", "B", "C", "D", "E"});
    auto twin = testing::OpenDatabase();
    for (const char* n : {"A", "B", "C", "D", "E"})
        testing::Append(*twin, false, testing::MakeChannel({.name = n, .pcr_pid = 100}));
    ChannelList twin_list;
    twin_list.FillAllChannels(*twin);
    ScriptedPrompter prompter;
    ScriptedChannelDialogs dialogs;
    dialogs.move.push_back(testing::MoveTo("4"));
    ChannelCommandContext c{*twin, twin_list, {1}, prompter, dialogs};
    ASSERT_EQ(MoveChannel(c), 1);

    MoveRowsAsBlock(*db, list, {1}, 3);
    EXPECT_EQ(std::memcmp(&db->tables(), &twin->tables(), sizeof(DatabaseTables)), 0);
}

TEST_F(BlockMove, OnlyListedPositionsMoveInAFilteredList) {
    Fill({"News 1", "Sport", "News 2", "Film", "News 3"});
    list.SetFilter(*db, "news");
    ASSERT_EQ(list.row_count(), 3);
    MoveRowsAsBlock(*db, list, {0}, 2);
    EXPECT_EQ(testing::Names(*db),
              (std::vector<std::string>{"News 2", "Sport", "News 3", "Film", "News 1"}));
    EXPECT_EQ(Listed(), (std::vector<std::string>{"News 2", "News 3", "News 1"}));
}

TEST_F(BlockMove, WorksOnTheRadioTable) {
    Fill({"R1", "R2", "R3"}, true);
    MoveRowsAsBlock(*db, list, {0, 1}, 2);
    EXPECT_EQ(testing::Names(*db, true), (std::vector<std::string>{"R3", "R1", "R2"}));
}

TEST_F(BlockMove, NothingChangesForBadRowsOrADropInPlace) {
    Fill({"A", "B", "C"});
    EXPECT_TRUE(MoveRowsAsBlock(*db, list, {7, -1}, 0).empty());
    EXPECT_TRUE(MoveRowsAsBlock(*db, list, {1, 2}, 2).empty());
    EXPECT_FALSE(watch.changed());
    db->database_open = false;
    EXPECT_TRUE(MoveRowsAsBlock(*db, list, {0}, 2).empty());
}

// Find narrows every listing by name, ignoring ISO-8859-1 case.
class FindFilter : public BlockMove {};

TEST_F(FindFilter, NarrowsByNameIgnoringLatin1Case) {
    Fill({"Canal+", "\xC9TOILE TV", "canal sur", "Arte", "\xE9toile"});
    list.SetFilter(*db, "CANAL");
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Canal+", "canal sur"}));
    EXPECT_EQ(list.unfiltered_count(), 5);
    list.SetFilter(*db, "\xE9toile");  // é matches É
    EXPECT_EQ(Listed(), (std::vector<std::string>{"\xC9TOILE TV", "\xE9toile"}));
    EXPECT_EQ(list.CellText(*db, 1, kColIndex), "2");
    list.SetFilter(*db, "");
    EXPECT_EQ(list.row_count(), 5);
}

TEST_F(FindFilter, StaysOnThroughRelistsAndOtherModes) {
    Fill({"One", "Two", "Three"});
    testing::Append(*db, true, testing::MakeChannel({.name = "Two FM", .pcr_pid = 100}));
    list.SetFilter(*db, "two");
    ASSERT_EQ(list.row_map(), (std::vector<int>{1}));
    list.ShowTable(*db, ChannelTable::Radio);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Two FM"}));
    list.ShowTable(*db, ChannelTable::Tv);
    list.FillTransponderChannels(*db, 0);
    EXPECT_EQ(list.row_map(), (std::vector<int>{1}));
    EXPECT_EQ(list.unfiltered_count(), 3);
}

TEST_F(FindFilter, ClearedListStaysClearedWhenTheTextChanges) {
    Fill({"One", "Two"});
    list.ClearList();
    list.SetFilter(*db, "o");
    EXPECT_EQ(list.row_count(), 0);
    EXPECT_FALSE(list.listed());
}

}  // namespace
}  // namespace velmora
