#include "compare/ReadableChanges.h"

#include <algorithm>
#include <cstdio>

#include "channels/AudioEntries.h"
#include "database/FieldChecks.h"
#include "database/Latin1.h"
#include "database/NameLists.h"
#include "satellites/SatelliteForm.h"
#include "settings/OtherSettingsForm.h"
#include "text/Translate.h"

namespace velmora {
namespace {

// The labels of the dialogs' fields, and the words for values no list names.
constexpr const char* kSatelliteName = VT_TR_NOOP("compare", "Satellite Name");
constexpr const char* kSatelliteAngle = VT_TR_NOOP("compare", "Satellite Angle");
constexpr const char* kSatelliteDirection = VT_TR_NOOP("compare", "Satellite direction");
constexpr const char* kLnbType = VT_TR_NOOP("compare", "LNB Type");
constexpr const char* kTone22k = VT_TR_NOOP("compare", "22KHz");
constexpr const char* kPower12v = VT_TR_NOOP("compare", "0/12V");
constexpr const char* kDiseqc = VT_TR_NOOP("compare", "DiSEqC");
constexpr const char* kMotor = VT_TR_NOOP("compare", "Motor");
constexpr const char* kTransponder = VT_TR_NOOP("compare", "Transponder");
constexpr const char* kFrequency = VT_TR_NOOP("compare", "Frequency");
constexpr const char* kSymbolRate = VT_TR_NOOP("compare", "Symbol rate");
constexpr const char* kPolarisation = VT_TR_NOOP("compare", "Polarisation");
constexpr const char* kFec = VT_TR_NOOP("compare", "FEC");
constexpr const char* kSatellite = VT_TR_NOOP("compare", "Satellite");
constexpr const char* kName = VT_TR_NOOP("compare", "Name");
constexpr const char* kVideoPid = VT_TR_NOOP("compare", "Video PID");
constexpr const char* kPcrPid = VT_TR_NOOP("compare", "PCR PID");
constexpr const char* kTxtPid = VT_TR_NOOP("compare", "TXT PID");
constexpr const char* kServiceNumber = VT_TR_NOOP("compare", "Service number");
constexpr const char* kAudioPid = VT_TR_NOOP("compare", "Audio PID");
constexpr const char* kAudioMode = VT_TR_NOOP("compare", "Audio mode");
constexpr const char* kLock = VT_TR_NOOP("compare", "Lock");
constexpr const char* kScramble = VT_TR_NOOP("compare", "Scramble");
constexpr const char* kOtherFlags = VT_TR_NOOP("compare", "Other flags");
constexpr const char* kMenuLanguage = VT_TR_NOOP("compare", "Menu Language");
constexpr const char* kMenuColor = VT_TR_NOOP("compare", "Menu Color");
constexpr const char* kTransparency = VT_TR_NOOP("compare", "Transparency");
constexpr const char* kAudioLanguage = VT_TR_NOOP("compare", "Audio Language");
constexpr const char* kRfSystem = VT_TR_NOOP("compare", "RF System");
constexpr const char* kRfChannel = VT_TR_NOOP("compare", "RF Channel");
constexpr const char* kTvSystem = VT_TR_NOOP("compare", "TV System");
constexpr const char* kScreenFormat = VT_TR_NOOP("compare", "TV Screen Format");
constexpr const char* kTimeOffset = VT_TR_NOOP("compare", "Time Offset");
constexpr const char* kNeedHelp = VT_TR_NOOP("compare", "Need Help");
constexpr const char* kPassword = VT_TR_NOOP("compare", "Password");
constexpr const char* kLockNames[] = {
    VT_TR_NOOP("compare", "Password Lock"), VT_TR_NOOP("compare", "Channel Lock"),
    VT_TR_NOOP("compare", "Installation Lock"), VT_TR_NOOP("compare", "System Lock")};
constexpr const char* kYes = VT_TR_NOOP("compare", "yes");
constexpr const char* kNo = VT_TR_NOOP("compare", "no");
constexpr const char* kNone = VT_TR_NOOP("compare", "none");

using Changes = std::vector<ReadableChange>;

bool Has(const ChangedRecord& c, std::string_view field) {
    return std::find(c.fields.begin(), c.fields.end(), field) != c.fields.end();
}

std::string Words(const char* text) {
    return Translate("compare", text);
}

// `label` is translated only when the values differ: most fields of a record do not.
void Add(Changes& out, const char* label, std::string here, std::string there) {
    if (here != there) out.push_back({Words(label), std::move(here), std::move(there)});
}
void Add(Changes& out, std::string label, std::string here, std::string there) {
    if (here != there) out.push_back({std::move(label), std::move(here), std::move(there)});
}

std::string YesNo(bool on) {
    return Words(on ? kYes : kNo);
}

// A list's entry, or the number itself when the list has none for it. The lists belong
// to the dialogs of `context`'s folder, which show their entries translated there.
template <size_t N>
std::string Listed(const char* context, const std::array<std::string_view, N>& list, unsigned v) {
    return v < N ? Translate(context, list[v].data()) : std::to_string(v);
}

std::string Hex(uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", v);
    return text;
}

// Bits that none of the listed parts covers, when they differ.
void AddOtherBits(Changes& out, uint32_t a, uint32_t b, uint32_t named) {
    if ((a ^ b) & ~named) out.push_back({Words(kOtherFlags), Hex(a), Hex(b)});
}

// The dialog's entry when the oscillators are exactly one of its types, else the values.
std::string LnbWords(const Satellite& s) {
    for (const LnbType& type : kLnbTypes) {
        if (type.lnb_low == s.lnb_low() && type.lnb_high == s.lnb_high() &&
            type.universal == (s.universal() != 0))
            return Translate("satellites", type.text.data());
    }
    const std::string low = std::to_string(s.lnb_low());
    const std::string high = std::to_string(s.lnb_high());
    return s.universal() ? Fill(VT_TR("compare", "%1/%2 universal"), {low, high})
                         : low + "/" + high;
}

std::string SatelliteWords(const Database& db, int index) {
    if (index < 0 || index >= db.sat_count()) return Words(kNone);
    return std::to_string(index + 1) + "-" + Latin1ToUtf8(db.satellites[index].name());
}

std::string AudioWords(const Channel& ch) {
    std::string out;
    for (const std::string& row : AudioRows(ReadAudioEntries(ch)))
        out += (out.empty() ? "" : ", ") + row;
    return out.empty() ? Words(kNone) : out;
}

std::string AudioModeWords(const Channel& ch) {
    static constexpr std::array<const char*, 3> kModes = {VT_TR_NOOP("compare", "Stereo"),
                                                          VT_TR_NOOP("compare", "Left"),
                                                          VT_TR_NOOP("compare", "Right")};
    return Words(ch.audio_mode() < kModes.size() ? kModes[ch.audio_mode()] : kNone);
}

std::string TransponderOf(const Database& db, const Channel& ch) {
    return TransponderWords(db, db.FindTransponder(ch.tp_id()));
}

std::string TimeOffsetWords(int hours) {
    char text[16];
    std::snprintf(text, sizeof text, "GMT%c%02d", hours < 0 ? '-' : '+',
                  hours < 0 ? -hours : hours);
    return text;
}

std::string PasswordWords(const SettingsBlock& s) {
    const std::string p = s.password();
    return Latin1ToUtf8(p.substr(0, p.find('\0')));
}

}  // namespace

std::string TransponderWords(const Database& db, int index) {
    if (index < 0 || index >= db.tp_count()) return Words(kNone);
    const Transponder& t = db.transponders[index];
    std::string text = std::to_string(t.frequency()) + " " +
                       std::string(kPolarisationNames[t.polarisation()]) + " " +
                       std::to_string(t.symbol_rate());
    if (t.satellite() >= db.sat_count()) return text;
    return Fill(VT_TR("compare", "%1 on %2"),
                {text, Latin1ToUtf8(db.satellites[t.satellite()].name())});
}

Changes SatelliteChanges(const Database& here, const Database& there, const ChangedRecord& c) {
    const Satellite& a = here.satellites[c.a];
    const Satellite& b = there.satellites[c.b];
    Changes out;
    Add(out, kSatelliteName, Latin1ToUtf8(a.name()), Latin1ToUtf8(b.name()));
    Add(out, kSatelliteAngle, FormatNumberField(a.angle() / 100.0),
        FormatNumberField(b.angle() / 100.0));
    Add(out, kSatelliteDirection, Listed("satellites", kDirectionNames, a.west()),
        Listed("satellites", kDirectionNames, b.west()));
    Add(out, kMotor, Listed("satellites", kMotorNames, a.motor()),
        Listed("satellites", kMotorNames, b.motor()));
    Add(out, kLnbType, LnbWords(a), LnbWords(b));
    Add(out, kTone22k, Listed("satellites", kToneNames, a.tone_22k()),
        Listed("satellites", kToneNames, b.tone_22k()));
    Add(out, kPower12v, Listed("satellites", kPowerNames, a.power_12v()),
        Listed("satellites", kPowerNames, b.power_12v()));
    Add(out, kDiseqc, Listed("database", kDiseqcNames, a.diseqc()),
        Listed("database", kDiseqcNames, b.diseqc()));
    // The transponder chosen in the dialog, by its row among the satellite's ones.
    auto ref = [](const Satellite& s) {
        return s.ref_tp() == kNoRefTp ? Words(kNone) : std::to_string(s.ref_tp() + 1);
    };
    Add(out, kTransponder, ref(a), ref(b));
    // tone 0-1, power 2-3, DiSEqC 4-7, universal 8, west 9, ref_tp 10-17, motor 21-22.
    AddOtherBits(out, a.sat_flags(), b.sat_flags(), 0x0003FFFFu | (3u << 21));
    return out;
}

Changes TransponderChanges(const Database& here, const Database& there, const ChangedRecord& c) {
    const Transponder& a = here.transponders[c.a];
    const Transponder& b = there.transponders[c.b];
    Changes out;
    Add(out, kFrequency, std::to_string(a.frequency()), std::to_string(b.frequency()));
    Add(out, kSymbolRate, std::to_string(a.symbol_rate()), std::to_string(b.symbol_rate()));
    Add(out, kPolarisation, Listed("database", kPolarisationNames, a.polarisation()),
        Listed("database", kPolarisationNames, b.polarisation()));
    Add(out, kFec, Listed("database", kFecNames, a.fec()), Listed("database", kFecNames, b.fec()));
    AddOtherBits(out, a.tp_flags(), b.tp_flags(), 0x1Du);
    if (Has(c, kFieldSatellite)) {
        out.push_back({Words(kSatellite), SatelliteWords(here, a.satellite()),
                       SatelliteWords(there, b.satellite())});
    }
    return out;
}

Changes ChannelChanges(const Database& here, const Database& there, bool radio,
                       const ChangedRecord& c) {
    const Channel& a = here.channels(radio)[c.a];
    const Channel& b = there.channels(radio)[c.b];
    Changes out;
    Add(out, kName, Latin1ToUtf8(a.name()), Latin1ToUtf8(b.name()));
    Add(out, kVideoPid, std::to_string(a.video_pid()), std::to_string(b.video_pid()));
    Add(out, kPcrPid, std::to_string(a.pcr_pid()), std::to_string(b.pcr_pid()));
    Add(out, kTxtPid, std::to_string(a.ttx_pid()), std::to_string(b.ttx_pid()));
    Add(out, kServiceNumber, std::to_string(a.service_number()),
        std::to_string(b.service_number()));
    // The list shows the entries, their languages and which one is the default.
    Add(out, kAudioPid, AudioWords(a), AudioWords(b));
    Add(out, kAudioMode, AudioModeWords(a), AudioModeWords(b));
    Add(out, kLock, YesNo(a.locked()), YesNo(b.locked()));
    Add(out, kScramble, YesNo(!a.fta()), YesNo(!b.fta()));
    for (int g = 0; g < FavouriteGroups::kGroups; ++g)
        Add(out, Fill(VT_TR("compare", "FAV%1"), {std::to_string(g + 1)}), YesNo(a.fav(g)),
            YesNo(b.fav(g)));
    // marks 0-7, audio mode 8-9, default and count 10-19, lock 20, FTA 22; the radio
    // flag 21 follows the video PID.
    const bool same_video = a.video_pid() == b.video_pid();
    AddOtherBits(out, a.ch_flags(), b.ch_flags(), 0x005FFFFFu | (same_video ? 0u : 1u << 21));
    if (Has(c, kFieldTransponder)) {
        out.push_back({Words(kTransponder), TransponderOf(here, a), TransponderOf(there, b)});
    }
    return out;
}

Changes SettingChanges(const SettingsBlock& a, const SettingsBlock& b, const std::string& key) {
    Changes out;
    if (key == "menu_color") {
        Add(out, kMenuColor, Listed("settings", kMenuColorNames, a.menu_color()),
            Listed("settings", kMenuColorNames, b.menu_color()));
    } else if (key == "transparency") {
        // Shown "1" to "9".
        Add(out, kTransparency, std::to_string(a.transparency() + 1),
            std::to_string(b.transparency() + 1));
    } else if (key == "rf_channel") {
        Add(out, kRfChannel, std::to_string(a.rf_channel()), std::to_string(b.rf_channel()));
    } else if (key == "rf_system") {
        Add(out, kRfSystem, Listed("settings", kRfSystemNames, a.rf_system()),
            Listed("settings", kRfSystemNames, b.rf_system()));
    } else if (key == "menu_language") {
        Add(out, kMenuLanguage, Listed("settings", kMenuLanguageNames, a.menu_language()),
            Listed("settings", kMenuLanguageNames, b.menu_language()));
    } else if (key == "password") {
        Add(out, kPassword, PasswordWords(a), PasswordWords(b));
    } else if (key == "lock_flags") {
        for (int bit = 0; bit < 4; ++bit) {
            Add(out, kLockNames[bit], YesNo((a.lock_flags() >> bit) & 1u),
                YesNo((b.lock_flags() >> bit) & 1u));
        }
        AddOtherBits(out, a.lock_flags(), b.lock_flags(), 0x0Fu);
    } else if (key == "time_offset") {
        Add(out, kTimeOffset, TimeOffsetWords(a.time_offset()), TimeOffsetWords(b.time_offset()));
    } else if (key == "audio_language") {
        Add(out, kAudioLanguage, Listed("database", AudioLanguageNames, a.audio_language()),
            Listed("database", AudioLanguageNames, b.audio_language()));
    } else if (key == "tv_flags") {
        Add(out, kTvSystem, Listed("settings", kTvSystemNames, a.tv_system()),
            Listed("settings", kTvSystemNames, b.tv_system()));
        Add(out, kScreenFormat, Listed("settings", kScreenFormatNames, a.screen_format()),
            Listed("settings", kScreenFormatNames, b.screen_format()));
        Add(out, kNeedHelp, Listed("settings", kNeedHelpNames, a.need_help()),
            Listed("settings", kNeedHelpNames, b.need_help()));
        // format 0-2, TV system 10-11, need help 13.
        AddOtherBits(out, a.tv_flags(), b.tv_flags(), 0x07u | (3u << 10) | (1u << 13));
    }
    return out;
}

ReadableChange FavouriteNameChange(const SettingsBlock& a, const SettingsBlock& b, int group) {
    return {Fill(VT_TR("compare", "FAV%1 Group Name"), {std::to_string(group + 1)}),
            Latin1ToUtf8(a.fav_name(group)), Latin1ToUtf8(b.fav_name(group))};
}

}  // namespace velmora
