#include "compare/ReadableChanges.h"

#include <algorithm>
#include <cstdio>

#include "channels/AudioEntries.h"
#include "database/FieldChecks.h"
#include "database/NameLists.h"
#include "satellites/SatelliteForm.h"
#include "settings/OtherSettingsForm.h"

namespace velmora {
namespace {

// The labels of the dialogs' fields, and the words for values no list names.
constexpr const char* kSatelliteName = "Satellite Name";
constexpr const char* kSatelliteAngle = "Satellite Angle";
constexpr const char* kSatelliteDirection = "Satellite direction";
constexpr const char* kLnbType = "LNB Type";
constexpr const char* kTone22k = "22KHz";
constexpr const char* kPower12v = "0/12V";
constexpr const char* kDiseqc = "DiSEqC";
constexpr const char* kMotor = "Motor";
constexpr const char* kTransponder = "Transponder";
constexpr const char* kFrequency = "Frequency";
constexpr const char* kSymbolRate = "Symbol rate";
constexpr const char* kPolarisation = "Polarisation";
constexpr const char* kFec = "FEC";
constexpr const char* kSatellite = "Satellite";
constexpr const char* kName = "Name";
constexpr const char* kVideoPid = "Video PID";
constexpr const char* kPcrPid = "PCR PID";
constexpr const char* kTxtPid = "TXT PID";
constexpr const char* kServiceNumber = "Service number";
constexpr const char* kAudioPid = "Audio PID";
constexpr const char* kAudioMode = "Audio mode";
constexpr const char* kLock = "Lock";
constexpr const char* kScramble = "Scramble";
constexpr const char* kFav = "FAV";
constexpr const char* kGroupName = " Group Name";
constexpr const char* kOtherFlags = "Other flags";
constexpr const char* kMenuLanguage = "Menu Language";
constexpr const char* kMenuColor = "Menu Color";
constexpr const char* kTransparency = "Transparency";
constexpr const char* kAudioLanguage = "Audio Language";
constexpr const char* kRfSystem = "RF System";
constexpr const char* kRfChannel = "RF Channel";
constexpr const char* kTvSystem = "TV System";
constexpr const char* kScreenFormat = "TV Screen Format";
constexpr const char* kTimeOffset = "Time Offset";
constexpr const char* kNeedHelp = "Need Help";
constexpr const char* kPassword = "Password";
constexpr const char* kLockNames[] = {"Password Lock", "Channel Lock", "Installation Lock",
                                      "System Lock"};
constexpr const char* kYes = "yes";
constexpr const char* kNo = "no";
constexpr const char* kNone = "none";
constexpr const char* kOn = " on ";
constexpr const char* kUniversal = " universal";

using Changes = std::vector<ReadableChange>;

bool Has(const ChangedRecord& c, std::string_view field) {
    return std::find(c.fields.begin(), c.fields.end(), field) != c.fields.end();
}

void Add(Changes& out, std::string label, std::string here, std::string there) {
    if (here != there) out.push_back({std::move(label), std::move(here), std::move(there)});
}

std::string YesNo(bool on) {
    return on ? kYes : kNo;
}

// A list's entry, or the number itself when the list has none for it.
template <size_t N>
std::string Listed(const std::array<std::string_view, N>& list, unsigned v) {
    return v < N ? std::string(list[v]) : std::to_string(v);
}

std::string Hex(uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", v);
    return text;
}

// Bits that none of the listed parts covers, when they differ.
void AddOtherBits(Changes& out, uint32_t a, uint32_t b, uint32_t named) {
    if ((a ^ b) & ~named) out.push_back({kOtherFlags, Hex(a), Hex(b)});
}

// The dialog's entry when the oscillators are exactly one of its types, else the values.
std::string LnbWords(const Satellite& s) {
    for (const LnbType& type : kLnbTypes) {
        if (type.lnb_low == s.lnb_low() && type.lnb_high == s.lnb_high() &&
            type.universal == (s.universal() != 0))
            return std::string(type.text);
    }
    return std::to_string(s.lnb_low()) + "/" + std::to_string(s.lnb_high()) +
           (s.universal() ? kUniversal : "");
}

std::string SatelliteWords(const Database& db, int index) {
    if (index < 0 || index >= db.sat_count()) return kNone;
    return std::to_string(index + 1) + "-" + db.satellites[index].name();
}

std::string AudioWords(const Channel& ch) {
    std::string out;
    for (const std::string& row : AudioRows(ReadAudioEntries(ch)))
        out += (out.empty() ? "" : ", ") + row;
    return out.empty() ? kNone : out;
}

std::string AudioModeWords(const Channel& ch) {
    static constexpr std::array<std::string_view, 3> kModes = {"Stereo", "Left", "Right"};
    return ch.audio_mode() < kModes.size() ? std::string(kModes[ch.audio_mode()]) : kNone;
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
    return p.substr(0, p.find('\0'));
}

}  // namespace

std::string TransponderWords(const Database& db, int index) {
    if (index < 0 || index >= db.tp_count()) return kNone;
    const Transponder& t = db.transponders[index];
    std::string text = std::to_string(t.frequency()) + " " +
                       std::string(kPolarisationNames[t.polarisation()]) + " " +
                       std::to_string(t.symbol_rate());
    if (t.satellite() < db.sat_count()) text += kOn + db.satellites[t.satellite()].name();
    return text;
}

Changes SatelliteChanges(const Database& here, const Database& there, const ChangedRecord& c) {
    const Satellite& a = here.satellites[c.a];
    const Satellite& b = there.satellites[c.b];
    Changes out;
    Add(out, kSatelliteName, a.name(), b.name());
    Add(out, kSatelliteAngle, FormatNumberField(a.angle() / 100.0),
        FormatNumberField(b.angle() / 100.0));
    Add(out, kSatelliteDirection, Listed(kDirectionNames, a.west()),
        Listed(kDirectionNames, b.west()));
    Add(out, kMotor, Listed(kMotorNames, a.motor()), Listed(kMotorNames, b.motor()));
    Add(out, kLnbType, LnbWords(a), LnbWords(b));
    Add(out, kTone22k, Listed(kToneNames, a.tone_22k()), Listed(kToneNames, b.tone_22k()));
    Add(out, kPower12v, Listed(kPowerNames, a.power_12v()), Listed(kPowerNames, b.power_12v()));
    Add(out, kDiseqc, Listed(kDiseqcNames, a.diseqc()), Listed(kDiseqcNames, b.diseqc()));
    // The transponder chosen in the dialog, by its row among the satellite's ones.
    auto ref = [](const Satellite& s) {
        return s.ref_tp() == kNoRefTp ? std::string(kNone) : std::to_string(s.ref_tp() + 1);
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
    Add(out, kPolarisation, Listed(kPolarisationNames, a.polarisation()),
        Listed(kPolarisationNames, b.polarisation()));
    Add(out, kFec, Listed(kFecNames, a.fec()), Listed(kFecNames, b.fec()));
    AddOtherBits(out, a.tp_flags(), b.tp_flags(), 0x1Du);
    if (Has(c, kFieldSatellite)) {
        out.push_back({kSatellite, SatelliteWords(here, a.satellite()),
                       SatelliteWords(there, b.satellite())});
    }
    return out;
}

Changes ChannelChanges(const Database& here, const Database& there, bool radio,
                       const ChangedRecord& c) {
    const Channel& a = here.channels(radio)[c.a];
    const Channel& b = there.channels(radio)[c.b];
    Changes out;
    Add(out, kName, a.name(), b.name());
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
        Add(out, kFav + std::to_string(g + 1), YesNo(a.fav(g)), YesNo(b.fav(g)));
    // marks 0-7, audio mode 8-9, default and count 10-19, lock 20, FTA 22; the radio
    // flag 21 follows the video PID.
    const bool same_video = a.video_pid() == b.video_pid();
    AddOtherBits(out, a.ch_flags(), b.ch_flags(), 0x005FFFFFu | (same_video ? 0u : 1u << 21));
    if (Has(c, kFieldTransponder)) {
        out.push_back({kTransponder, TransponderOf(here, a), TransponderOf(there, b)});
    }
    return out;
}

Changes SettingChanges(const SettingsBlock& a, const SettingsBlock& b, const std::string& key) {
    Changes out;
    if (key == "menu_color") {
        Add(out, kMenuColor, Listed(kMenuColorNames, a.menu_color()),
            Listed(kMenuColorNames, b.menu_color()));
    } else if (key == "transparency") {
        // Shown "1" to "9".
        Add(out, kTransparency, std::to_string(a.transparency() + 1),
            std::to_string(b.transparency() + 1));
    } else if (key == "rf_channel") {
        Add(out, kRfChannel, std::to_string(a.rf_channel()), std::to_string(b.rf_channel()));
    } else if (key == "rf_system") {
        Add(out, kRfSystem, Listed(kRfSystemNames, a.rf_system()),
            Listed(kRfSystemNames, b.rf_system()));
    } else if (key == "menu_language") {
        Add(out, kMenuLanguage, Listed(kMenuLanguageNames, a.menu_language()),
            Listed(kMenuLanguageNames, b.menu_language()));
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
        Add(out, kAudioLanguage, Listed(AudioLanguageNames, a.audio_language()),
            Listed(AudioLanguageNames, b.audio_language()));
    } else if (key == "tv_flags") {
        Add(out, kTvSystem, Listed(kTvSystemNames, a.tv_system()),
            Listed(kTvSystemNames, b.tv_system()));
        Add(out, kScreenFormat, Listed(kScreenFormatNames, a.screen_format()),
            Listed(kScreenFormatNames, b.screen_format()));
        Add(out, kNeedHelp, Listed(kNeedHelpNames, a.need_help()),
            Listed(kNeedHelpNames, b.need_help()));
        // format 0-2, TV system 10-11, need help 13.
        AddOtherBits(out, a.tv_flags(), b.tv_flags(), 0x07u | (3u << 10) | (1u << 13));
    }
    return out;
}

ReadableChange FavouriteNameChange(const SettingsBlock& a, const SettingsBlock& b, int group) {
    return {kFav + std::to_string(group + 1) + kGroupName, a.fav_name(group), b.fav_name(group)};
}

}  // namespace velmora
