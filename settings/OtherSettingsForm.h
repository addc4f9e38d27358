#pragma once
// The fields of the "Other Setting" dialog over a working copy of the settings block:
// one list selection per setting, and the RF channel as the edit's text. Opening repairs
// a few out-of-range values in the copy; OK maps the selections back into the copy and
// leaves every other byte and bit as it was.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "database/FieldChecks.h"
#include "database/NameLists.h"
#include "database/Records.h"
#include "text/Translate.h"

namespace velmora {

// The marked names are English, translated ("settings") where a list shows them; the TV
// and RF standards read the same in every language.
inline constexpr std::array<std::string_view, 9> kMenuLanguageNames = {
    VT_TR_NOOP("settings", "English"), VT_TR_NOOP("settings", "Turkish"),
    VT_TR_NOOP("settings", "Italian"), VT_TR_NOOP("settings", "German"),
    VT_TR_NOOP("settings", "French"),  VT_TR_NOOP("settings", "Spanish"),
    VT_TR_NOOP("settings", "Russian"), VT_TR_NOOP("settings", "Arabic"),
    VT_TR_NOOP("settings", "Farsi")};
inline constexpr std::array<std::string_view, 4> kRfSystemNames = {"NTSC M", "PAL B/G", "PAL I",
                                                                   "PAL D/K"};
inline constexpr std::array<std::string_view, 4> kTvSystemNames = {"PAL", "NTSC", "SECAM",
                                                                   "PAL/NTSC"};
inline constexpr std::array<std::string_view, 5> kScreenFormatNames = {
    "4:3", "16:9", VT_TR_NOOP("settings", "4:3 Letter Box"),
    VT_TR_NOOP("settings", "4:3 Pan & Scan"), VT_TR_NOOP("settings", "Auto")};
inline constexpr std::array<std::string_view, 3> kMenuColorNames = {
    VT_TR_NOOP("settings", "Color1"), VT_TR_NOOP("settings", "Color2"),
    VT_TR_NOOP("settings", "Color3")};
inline constexpr std::array<std::string_view, 2> kNeedHelpNames = {VT_TR_NOOP("settings", "Yes"),
                                                                   VT_TR_NOOP("settings", "No")};
inline constexpr int kTransparencyCount = 9;  // "1" .. "9"
inline constexpr int kTimeOffsetCount = 25;   // "GMT+00" .. "GMT+12", "GMT-00" .. "GMT-11"

// "1".."9" and the 25 time offsets, in list order.
std::array<std::string, kTransparencyCount> TransparencyNames();
std::array<std::string, kTimeOffsetCount> TimeOffsetNames();

// The RF channels the receiver accepts for an RF system: 14..83 for "NTSC M" (0),
// 21..69 for every other system.
struct RfChannelRange {
    int low;
    int high;
};
RfChannelRange RfChannelRangeFor(int rf_system);
// The channel an out-of-range RF channel is stored as.
inline constexpr uint8_t kFallbackRfChannel = 21;

// The decimal value of an edit's text: leading blanks, an optional sign and the digits
// up to the first other character; 0 when there are none. Saturates at the int range.
int DecimalValueOf(std::string_view text);

// Time offset list position <-> stored hours. Positions 0..12 are +0..+12, 13..24 are
// -0..-11. Hours beyond -11..11 open as GMT+00.
int TimeOffsetPosition(int hours);
int TimeOffsetHours(int position);

struct OtherSettingsForm {
    static constexpr int kTemplateId = 150;
    static constexpr int kMenuLanguageControl = 1006;
    static constexpr int kAudioLanguageControl = 1007;
    static constexpr int kRfSystemControl = 1008;
    static constexpr int kTvSystemControl = 1010;
    static constexpr int kScreenFormatControl = 1011;
    static constexpr int kTransparencyControl = 1012;
    static constexpr int kMenuColorControl = 1013;
    static constexpr int kTimeOffsetControl = 1014;
    static constexpr int kNeedHelpControl = 1015;
    static constexpr int kRfSpinControl = 1016;
    static constexpr int kRfChannelControl = 1017;

    // Selection of each list: a list index, or kNoSelection. OK keeps the stored value of
    // a list with no selection.
    static constexpr int kNoSelection = -1;

    SettingsBlock block;  // the working copy
    int menu_language = kNoSelection;
    int audio_language = kNoSelection;
    int rf_system = kNoSelection;
    int tv_system = kNoSelection;
    int screen_format = kNoSelection;
    int menu_color = kNoSelection;
    int transparency = kNoSelection;
    int time_offset = kNoSelection;
    int need_help = kNoSelection;
    std::string rf_channel_text;

    // Copies the block and fills the selections. In the copy, an audio language of 62 or
    // more becomes 18 ("English"), a menu colour of 3 or more becomes 0 and a time offset
    // outside -11..11 becomes 0. A value beyond its list leaves that list unselected.
    static OtherSettingsForm Load(const SettingsBlock& settings);

    // The range the RF channel spin button offers for the RF system now selected (the
    // stored one while nothing is selected).
    RfChannelRange CurrentRfRange() const;

    // Every field can be stored: nothing is refused.
    std::optional<FieldRefusal> Validate() const { return std::nullopt; }
    // The working copy with the selections and the RF channel stored as OK stores them.
    void ApplyTo(SettingsBlock& target) const;
};

}  // namespace velmora
