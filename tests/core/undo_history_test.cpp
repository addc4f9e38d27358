#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "database/UndoHistory.h"
#include "database/Upkeep.h"

namespace velmora {
namespace {

std::unique_ptr<Database> SmallDatabase() {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->database_open = true;
    db->set_tv_count(3);
    for (int i = 0; i < 3; ++i) db->tv[i].set_name("Channel " + std::to_string(i));
    return db;
}

bool SameTables(const Database& a, const Database& b) {
    return std::memcmp(&a.tables(), &b.tables(), sizeof(DatabaseTables)) == 0;
}

// Runs `change` as one recorded command.
template <typename F>
void Record(UndoHistory& h, Database& db, const std::string& label, F change) {
    h.Begin(db);
    change(db);
    h.Commit(db, label);
}

TEST(UndoHistory, UndoAndRedoRestoreTheTablesByteForByte) {
    auto db = SmallDatabase();
    auto original = SmallDatabase();
    UndoHistory h;
    Record(h, *db, "Edit Channel", [](Database& d) { d.tv[1].set_name("Renamed"); });
    auto after_edit = std::make_unique<Database>();
    after_edit->tables() = db->tables();
    Record(h, *db, "Sort", [](Database& d) { std::swap(d.tv[0], d.tv[2]); });

    ASSERT_TRUE(h.Undo(*db));
    EXPECT_TRUE(SameTables(*db, *after_edit));
    ASSERT_TRUE(h.Undo(*db));
    EXPECT_TRUE(SameTables(*db, *original));
    EXPECT_FALSE(h.Undo(*db));
    ASSERT_TRUE(h.Redo(*db));
    EXPECT_TRUE(SameTables(*db, *after_edit));
}

TEST(UndoHistory, LabelsNameTheStepsInOrder) {
    auto db = SmallDatabase();
    UndoHistory h;
    Record(h, *db, "Move Channel", [](Database& d) { std::swap(d.tv[0], d.tv[1]); });
    Record(h, *db, "Delete Channel", [](Database& d) { d.set_tv_count(2); });
    EXPECT_EQ(h.UndoLabel(), "Delete Channel");
    h.Undo(*db);
    EXPECT_EQ(h.UndoLabel(), "Move Channel");
    EXPECT_EQ(h.RedoLabel(), "Delete Channel");
}

TEST(UndoHistory, CommandThatChangesNothingRecordsNoStep) {
    auto db = SmallDatabase();
    UndoHistory h;
    h.Begin(*db);
    EXPECT_FALSE(h.Commit(*db, "Nothing"));
    EXPECT_FALSE(h.CanUndo());
}

TEST(UndoHistory, ModifiedFlagFollowsTheSavedState) {
    auto db = SmallDatabase();
    UndoHistory h;
    Record(h, *db, "A", [](Database& d) { d.tv[0].set_pcr_pid(10); });
    h.MarkSaved();
    Record(h, *db, "B", [](Database& d) { d.tv[0].set_pcr_pid(11); });
    h.Undo(*db);
    EXPECT_TRUE(h.AtSavedState()) << "back at the saved state";
    h.Undo(*db);
    EXPECT_FALSE(h.AtSavedState());
    h.Redo(*db);
    EXPECT_TRUE(h.AtSavedState());
}

TEST(UndoHistory, NewChangeAfterUndoDropsRedoAndMakesOldSavedStateUnreachable) {
    auto db = SmallDatabase();
    UndoHistory h;
    Record(h, *db, "A", [](Database& d) { d.tv[0].set_pcr_pid(10); });
    h.MarkSaved();
    h.Undo(*db);
    Record(h, *db, "B", [](Database& d) { d.tv[0].set_pcr_pid(20); });
    EXPECT_FALSE(h.CanRedo());
    h.Undo(*db);
    EXPECT_FALSE(h.AtSavedState()) << "the saved state (pcr 10) can no longer be reached";
}

TEST(UndoHistory, ClearEmptiesTheHistory) {
    auto db = SmallDatabase();
    UndoHistory h;
    Record(h, *db, "A", [](Database& d) { d.tv[0].set_pcr_pid(10); });
    h.Clear();
    EXPECT_FALSE(h.CanUndo());
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.memory_bytes(), 0u);
}

TEST(UndoHistory, MemoryBoundHoldsForThousandChangesOnAFullDatabase) {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->set_tv_count(kMaxChannels / 2);
    db->set_radio_count(kMaxChannels / 2);
    std::mt19937 rng(7);
    UndoHistory h;
    for (int i = 0; i < 1000; ++i) {
        Record(h, *db, "Shuffle", [&](Database& d) {
            // Touch every record of both tables: the largest kind of step.
            for (int k = 0; k < kMaxChannels / 2; ++k) {
                d.tv[k].set_pcr_pid(static_cast<uint16_t>(rng()));
                d.radio[k].set_pcr_pid(static_cast<uint16_t>(rng()));
            }
        });
        ASSERT_LE(h.memory_bytes(), UndoHistory::kMaxBytes + sizeof(DatabaseTables));
    }
    EXPECT_GE(h.step_count(), UndoHistory::kMinSteps);
    // The oldest kept step still undoes exactly.
    auto copy = std::make_unique<Database>();
    copy->tables() = db->tables();
    for (size_t i = 0; i < h.step_count(); ++i) h.Undo(*db);
    for (size_t i = 0; i < h.step_count(); ++i) h.Redo(*db);
    EXPECT_TRUE(SameTables(*db, *copy));
}

}  // namespace
}  // namespace velmora
