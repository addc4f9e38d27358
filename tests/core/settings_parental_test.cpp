#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "database/Upkeep.h"
#include "settings/SettingsOps.h"
#include "settings_scripted_dialogs.h"
#include "support/ScriptedPrompter.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

class EditParentalControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToNewDatabase(*db);
        db->database_open = true;
        watch.Reset();
    }

    // Opens the dialog, lets `user` edit it and presses OK.
    bool Confirm(std::function<void(ParentalForm&)> user) {
        dialogs.parental = [user](ParentalForm& form) {
            user(form);
            return true;
        };
        return EditParentalControl(*db, prompter, dialogs);
    }

    static void Type(ParentalForm& form, std::string new_text, std::string confirm_text) {
        form.new_password = std::move(new_text);
        form.confirm_password = std::move(confirm_text);
    }

    std::unique_ptr<Database> db = std::make_unique<Database>();

    testing::ChangeWatch watch{*db};
    testing::ScriptedPrompter prompter;
    testing::ScriptedSettingsDialogs dialogs;
};

TEST_F(EditParentalControlTest, OpeningShowsLockBitsWithChangePasswordClearAndEmptyTexts) {
    db->settings.set_lock_flags(0x05);
    Confirm([](ParentalForm&) {});
    const ParentalForm& opened = *dialogs.parental_opened;
    EXPECT_TRUE(opened.password_lock);
    EXPECT_FALSE(opened.channel_lock);
    EXPECT_TRUE(opened.installation_lock);
    EXPECT_FALSE(opened.system_lock);
    EXPECT_FALSE(opened.change_password);
    EXPECT_EQ(opened.new_password, "");
    EXPECT_EQ(opened.confirm_password, "");
}

TEST_F(EditParentalControlTest, OptionsShowUnderPasswordLockAndPasswordsUnderChangePassword) {
    ParentalForm form;
    EXPECT_FALSE(form.LockOptionsShown());
    form.change_password = true;
    EXPECT_FALSE(form.PasswordFieldsShown());
    form.password_lock = true;
    EXPECT_TRUE(form.LockOptionsShown());
    EXPECT_TRUE(form.PasswordFieldsShown());
    form.change_password = false;
    EXPECT_FALSE(form.PasswordFieldsShown());
}

TEST_F(EditParentalControlTest, OkClearsLockBitsFourToSeven) {
    db->settings.set_lock_flags(0xF6);
    EXPECT_TRUE(Confirm([](ParentalForm&) {}));
    EXPECT_EQ(db->settings.lock_flags(), 0x06);
    EXPECT_TRUE(watch.changed());
}

TEST_F(EditParentalControlTest, HiddenLocksAreStoredWhenPasswordLockIsCleared) {
    db->settings.set_lock_flags(0x0F);
    Confirm([](ParentalForm& form) { form.password_lock = false; });
    EXPECT_EQ(db->settings.lock_flags(), 0x0E);
}

TEST_F(EditParentalControlTest, HiddenPasswordFieldsStillChangeThePassword) {
    Confirm([](ParentalForm& form) {
        form.password_lock = form.change_password = true;
        Type(form, "1234", "1234");
        form.change_password = false;
    });
    EXPECT_EQ(db->settings.password(), "1234");
    // The password does not spill into the lock byte beside it.
    EXPECT_EQ(db->settings.lock_flags(), 0x01);
}

TEST_F(EditParentalControlTest, PasswordChangesOnlyForTheSameFourDigitsTwice) {
    struct Case {
        const char* new_text;
        const char* confirm_text;
    };
    for (const Case& c : {Case{"123", "123"}, Case{"1234", "1243"}, Case{"", ""},
                          Case{"12a4", "12a4"}, Case{"12345", "12345"}}) {
        db->settings.set_password("4826");
        Confirm([&](ParentalForm& form) { Type(form, c.new_text, c.confirm_text); });
        EXPECT_EQ(db->settings.password(), "4826") << c.new_text << " / " << c.confirm_text;
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(EditParentalControlTest, UnchangedPasswordKeepsItsStoredBytes) {
    db->settings.set_password(
        std::string("9\0\xff"
                    "1",
                    4));
    Confirm([](ParentalForm& form) { Type(form, "55", "55"); });
    EXPECT_EQ(db->settings.password(), std::string("9\0\xff"
                                                   "1",
                                                   4));
}

TEST_F(EditParentalControlTest, ConfirmCheckFlagsOnlyDifferentTexts) {
    ParentalForm form;
    EXPECT_FALSE(form.ConfirmMismatch());  // both empty
    Type(form, "1234", "1234");
    EXPECT_FALSE(form.ConfirmMismatch());
    Type(form, "1234", "123");
    EXPECT_TRUE(form.ConfirmMismatch());
    EXPECT_EQ(ParentalForm::kConfirmWrongMessage, "The confirm password is wrong !");
}

TEST_F(EditParentalControlTest, PasswordTextOverFourCharactersIsRefusedNewFirst) {
    ParentalForm form;
    Type(form, "12345", "12345");
    auto check = form.Validate();
    ASSERT_TRUE(check);
    EXPECT_EQ(check->control, 1003);
    EXPECT_EQ(check->message, "Please enter no more than 4 characters.");
    form.new_password = "1234";
    EXPECT_EQ(form.Validate()->control, 1002);
    form.confirm_password = "1234";
    EXPECT_FALSE(form.Validate());
}

TEST_F(EditParentalControlTest, CancelChangesNothing) {
    db->settings.set_lock_flags(0xF0);
    const SettingsBlock before = db->settings;
    watch.Reset();
    dialogs.parental = [](ParentalForm& form) {
        form.password_lock = true;
        Type(form, "1111", "1111");
        return false;
    };
    EXPECT_FALSE(EditParentalControl(*db, prompter, dialogs));
    EXPECT_EQ(db->settings.bytes, before.bytes);
    EXPECT_FALSE(watch.changed());
}

}  // namespace
}  // namespace velmora
