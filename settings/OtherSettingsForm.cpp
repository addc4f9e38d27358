#include "settings/OtherSettingsForm.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace velmora {
namespace {

// The list index of `value`, or no selection when the list has no such entry.
int SelectionOf(size_t count, unsigned value) {
    return value < count ? static_cast<int>(value) : OtherSettingsForm::kNoSelection;
}

bool Selected(int selection) {
    return selection != OtherSettingsForm::kNoSelection;
}

}  // namespace

std::array<std::string, kTransparencyCount> TransparencyNames() {
    std::array<std::string, kTransparencyCount> names;
    for (int i = 0; i < kTransparencyCount; ++i) names[i] = std::to_string(i + 1);
    return names;
}

std::array<std::string, kTimeOffsetCount> TimeOffsetNames() {
    std::array<std::string, kTimeOffsetCount> names;
    char text[16];
    for (int p = 0; p < kTimeOffsetCount; ++p) {
        if (p <= 12) {
            std::snprintf(text, sizeof text, "GMT+%02d", p);
        } else {
            std::snprintf(text, sizeof text, "GMT-%02d", p - 13);
        }
        names[p] = text;
    }
    return names;
}

RfChannelRange RfChannelRangeFor(int rf_system) {
    return rf_system == 0 ? RfChannelRange{14, 83} : RfChannelRange{21, 69};
}

int DecimalValueOf(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Past the int range the value only has to stay past it.
        value = std::min(value * 10 + (text[i] - '0'), INT_MAX + 1LL);
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int TimeOffsetPosition(int hours) {
    if (hours >= 12 || hours <= -12) hours = 0;
    return hours >= 0 ? hours : 13 - hours;
}

int TimeOffsetHours(int position) {
    return position <= 12 ? position : 13 - position;
}

OtherSettingsForm OtherSettingsForm::Load(const SettingsBlock& settings) {
    OtherSettingsForm form;
    SettingsBlock& b = form.block;
    b = settings;
    form.menu_language = SelectionOf(kMenuLanguageNames.size(), b.menu_language());
    if (b.audio_language() >= AudioLanguageNames.size()) b.set_audio_language(18);
    form.audio_language = SelectionOf(AudioLanguageNames.size(), b.audio_language());
    form.rf_channel_text = std::to_string(b.rf_channel());
    form.rf_system = SelectionOf(kRfSystemNames.size(), b.rf_system());
    form.tv_system = SelectionOf(kTvSystemNames.size(), b.tv_system());
    form.screen_format = SelectionOf(kScreenFormatNames.size(), b.screen_format());
    if (b.menu_color() >= kMenuColorNames.size()) b.set_menu_color(0);
    form.menu_color = SelectionOf(kMenuColorNames.size(), b.menu_color());
    form.transparency = SelectionOf(kTransparencyCount, b.transparency());
    if (b.time_offset() >= 12 || b.time_offset() <= -12) b.set_time_offset(0);
    form.time_offset = TimeOffsetPosition(b.time_offset());
    form.need_help = SelectionOf(kNeedHelpNames.size(), b.need_help());
    return form;
}

RfChannelRange OtherSettingsForm::CurrentRfRange() const {
    return RfChannelRangeFor(Selected(rf_system) ? rf_system : block.rf_system());
}

void OtherSettingsForm::ApplyTo(SettingsBlock& b) const {
    b = block;
    if (Selected(menu_language)) b.set_menu_language(static_cast<uint8_t>(menu_language));
    if (Selected(audio_language)) b.set_audio_language(static_cast<uint8_t>(audio_language));
    if (Selected(rf_system)) b.set_rf_system(static_cast<uint8_t>(rf_system));

    // Only the low 8 bits of the typed number reach the byte; the range is checked on them.
    const int channel = DecimalValueOf(rf_channel_text) & 0xFF;
    const RfChannelRange range = RfChannelRangeFor(b.rf_system());
    const bool in_range = channel >= range.low && channel <= range.high;
    b.set_rf_channel(in_range ? static_cast<uint8_t>(channel) : kFallbackRfChannel);

    if (Selected(tv_system)) b.set_tv_system(static_cast<uint32_t>(tv_system));
    if (Selected(screen_format)) b.set_screen_format(static_cast<uint32_t>(screen_format));
    if (Selected(menu_color)) b.set_menu_color(static_cast<uint8_t>(menu_color));
    if (Selected(transparency)) b.set_transparency(static_cast<uint8_t>(transparency));
    if (Selected(time_offset)) b.set_time_offset(static_cast<int8_t>(TimeOffsetHours(time_offset)));
    if (Selected(need_help)) b.set_need_help(static_cast<uint32_t>(need_help));
}

}  // namespace velmora
