#include "settings/ParentalForm.h"

#include <algorithm>

namespace velmora {

ParentalForm ParentalForm::Load(const SettingsBlock& settings) {
    ParentalForm form;
    const uint8_t locks = settings.lock_flags();
    form.password = settings.password();
    form.password_lock = locks & 0x01;
    form.channel_lock = locks & 0x02;
    form.installation_lock = locks & 0x04;
    form.system_lock = locks & 0x08;
    return form;
}

std::optional<FieldRefusal> ParentalForm::Validate() const {
    if (new_password.size() > static_cast<size_t>(kPasswordChars)) {
        return FieldRefusal{kNewPasswordControl, TooLongMessage(kPasswordChars)};
    }
    if (confirm_password.size() > static_cast<size_t>(kPasswordChars)) {
        return FieldRefusal{kConfirmPasswordControl, TooLongMessage(kPasswordChars)};
    }
    return std::nullopt;
}

uint8_t ParentalForm::LockByte() const {
    return static_cast<uint8_t>((password_lock ? 0x01 : 0) | (channel_lock ? 0x02 : 0) |
                                (installation_lock ? 0x04 : 0) | (system_lock ? 0x08 : 0));
}

std::string ParentalForm::PasswordAtOk() const {
    // The receiver reads four ASCII digits; anything else would lock the user out.
    const bool four_digits = new_password.size() == static_cast<size_t>(kPasswordChars) &&
                             std::all_of(new_password.begin(), new_password.end(),
                                         [](char c) { return c >= '0' && c <= '9'; });
    return four_digits && new_password == confirm_password ? new_password : password;
}

void ParentalForm::ApplyTo(SettingsBlock& settings) const {
    settings.set_lock_flags(LockByte());
    settings.set_password(PasswordAtOk());
}

}  // namespace velmora
