#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "database/Upkeep.h"
#include "settings/SettingsOps.h"
#include "settings_scripted_dialogs.h"
#include "support/ScriptedPrompter.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

class RenameFavouriteGroupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToNewDatabase(*db);
        db->database_open = true;
        watch.Reset();
    }

    // Renames group g as if the user typed `typed` and pressed OK.
    bool Rename(int g, std::string typed) {
        dialogs.rename = [typed](FavouriteNameForm& form) {
            form.name = typed;
            return true;
        };
        return RenameFavouriteGroup(*db, prompter, dialogs, g);
    }

    const uint8_t* Slot(int g) const {
        return db->settings.bytes.data() + SettingsBlock::kFavNameOffset +
               SettingsBlock::kFavNameSize * g;
    }

    std::unique_ptr<Database> db = std::make_unique<Database>();

    testing::ChangeWatch watch{*db};
    testing::ScriptedPrompter prompter;
    testing::ScriptedSettingsDialogs dialogs;
};

TEST_F(RenameFavouriteGroupTest, DialogOpensWithTheStoredName) {
    Rename(4, "x");
    ASSERT_TRUE(dialogs.rename_opened);
    EXPECT_EQ(dialogs.rename_opened->name, "Sport");
}

TEST_F(RenameFavouriteGroupTest, OkStoresTheNameAndMarksModified) {
    EXPECT_TRUE(Rename(0, "Films"));
    EXPECT_EQ(db->settings.fav_name(0), "Films");
    EXPECT_EQ(db->settings.fav_name(1), "Music");
    EXPECT_TRUE(watch.changed());
}

TEST_F(RenameFavouriteGroupTest, RefusedBytesAreDroppedFromTheName) {
    EXPECT_TRUE(Rename(2, "Ne\tws\x01 24\xff\xb0"));
    EXPECT_EQ(db->settings.fav_name(2), "News 24\xb0");
}

TEST_F(RenameFavouriteGroupTest, FifteenCharactersFillTheSlotUpToItsTerminator) {
    EXPECT_TRUE(Rename(6, "ABCDEFGHIJKLMNO"));
    EXPECT_EQ(std::memcmp(Slot(6), "ABCDEFGHIJKLMNO", 15), 0);
    EXPECT_EQ(Slot(6)[15], 0);
    EXPECT_EQ(db->settings.fav_name(7), "FAV8");
}

TEST_F(RenameFavouriteGroupTest, MoreThanFifteenCharactersAreRefused) {
    FavouriteNameForm form{"ABCDEFGHIJKLMNOP"};
    auto check = form.Validate();
    ASSERT_TRUE(check);
    EXPECT_EQ(check->control, 1003);
    EXPECT_EQ(check->message, "Please enter no more than 15 characters.");
    form.name.pop_back();
    EXPECT_FALSE(form.Validate());
}

TEST_F(RenameFavouriteGroupTest, EmptyNameIsStoredAsEmptyText) {
    EXPECT_TRUE(Rename(3, ""));
    EXPECT_EQ(Slot(3)[0], 0);
}

TEST_F(RenameFavouriteGroupTest, CancelChangesNothing) {
    const SettingsBlock before = db->settings;
    dialogs.rename = [](FavouriteNameForm& form) {
        form.name = "Changed";
        return false;
    };
    EXPECT_FALSE(RenameFavouriteGroup(*db, prompter, dialogs, 0));
    EXPECT_EQ(db->settings.bytes, before.bytes);
    EXPECT_FALSE(watch.changed());
}

TEST_F(RenameFavouriteGroupTest, NoDialogForABadGroupOrAClosedDatabase) {
    // The scripted host fails the test if a dialog opens.
    EXPECT_FALSE(RenameFavouriteGroup(*db, prompter, dialogs, 8));
    EXPECT_FALSE(RenameFavouriteGroup(*db, prompter, dialogs, -1));
    db->database_open = false;
    EXPECT_FALSE(RenameFavouriteGroup(*db, prompter, dialogs, 0));
    EXPECT_FALSE(watch.changed());
}

}  // namespace
}  // namespace velmora
