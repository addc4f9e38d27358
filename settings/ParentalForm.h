#pragma once
// The fields of the "Parental Control" dialog: the four lock switches, the "Change
// Password" switch and the two password texts, with the rules that decide what is shown
// and what OK stores.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "database/FieldChecks.h"
#include "database/Records.h"
#include "text/Translate.h"

namespace velmora {

struct ParentalForm {
    static constexpr int kTemplateId = 143;
    static constexpr int kPasswordLockControl = 1018;
    static constexpr int kChannelLockControl = 1019;
    static constexpr int kInstallationLockControl = 1020;
    static constexpr int kSystemLockControl = 1021;
    static constexpr int kChangePasswordControl = 1022;
    static constexpr int kNewPasswordControl = 1003;
    static constexpr int kConfirmPasswordControl = 1002;
    static constexpr int kPasswordChars = 4;
    // English; shown through Translate("settings", ...).
    static constexpr std::string_view kConfirmWrongMessage =
        VT_TR_NOOP("settings", "The confirm password is wrong !");

    std::string password;  // the four stored bytes, as they are
    bool password_lock = false;
    bool channel_lock = false;
    bool installation_lock = false;
    bool system_lock = false;
    bool change_password = false;
    std::string new_password;
    std::string confirm_password;

    // The switches from lock_flags bits 0..3; "Change Password" cleared, both texts empty.
    static ParentalForm Load(const SettingsBlock& settings);

    // "Channel Lock", "Installation Lock", "System Lock" and "Change Password" are shown
    // only under "Password Lock"; the password fields only when "Change Password" is
    // checked too. Hidden fields keep their values and still count at OK.
    bool LockOptionsShown() const { return password_lock; }
    bool PasswordFieldsShown() const { return password_lock && change_password; }

    // The check made when "Confirm Password" loses the focus: true when the two texts
    // differ and kConfirmWrongMessage is to be shown.
    bool ConfirmMismatch() const { return new_password != confirm_password; }

    // Refuses a password text longer than four characters ("New Password" first).
    std::optional<FieldRefusal> Validate() const;

    // The lock byte OK stores: the four switches in bits 0..3, bits 4..7 cleared.
    uint8_t LockByte() const;
    // The password OK stores: the new text when both texts are the same four digits,
    // otherwise the stored bytes unchanged.
    std::string PasswordAtOk() const;

    // Writes the lock byte and the password into the block.
    void ApplyTo(SettingsBlock& settings) const;
};

}  // namespace velmora
