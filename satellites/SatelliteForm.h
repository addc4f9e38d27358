#pragma once
// The fields of the "Satellite Parameters" dialog (template 140) as a plain value: what
// it shows for a satellite record, what OK accepts, and what OK writes into the record.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"
#include "database/FieldChecks.h"
#include "text/Translate.h"

namespace velmora {

// One row of the "LNB Type" list and the oscillator values it stands for.
struct LnbType {
    std::string_view text;  // "Universal" is English, translated ("satellites") when shown
    uint16_t lnb_low;
    uint16_t lnb_high;
    bool universal;
};

inline constexpr std::array<LnbType, 10> kLnbTypes = {{
    {VT_TR_NOOP("satellites", "Universal"), 9750, 10600, true},
    {"9750/10750", 9750, 10750, true},
    {"05150", 5150, 5150, false},
    {"05750", 5750, 5750, false},
    {"09750", 9750, 9750, false},
    {"10600", 10600, 10600, false},
    {"10750", 10750, 10750, false},
    {"11250", 11250, 11250, false},
    {"11300", 11300, 11300, false},
    {"11475", 11475, 11475, false},
}};
// English; translated ("satellites") where a list shows them.
inline constexpr std::array<std::string_view, 3> kToneNames = {VT_TR_NOOP("satellites", "Off"),
                                                               VT_TR_NOOP("satellites", "On"),
                                                               VT_TR_NOOP("satellites", "Auto")};
inline constexpr std::array<std::string_view, 2> kPowerNames = {VT_TR_NOOP("satellites", "Off"),
                                                                VT_TR_NOOP("satellites", "On")};
inline constexpr std::array<std::string_view, 3> kMotorNames = {
    VT_TR_NOOP("satellites", "None"), VT_TR_NOOP("satellites", "Motor"), "UASAL"};
inline constexpr std::array<std::string_view, 2> kDirectionNames = {
    VT_TR_NOOP("satellites", "East"), VT_TR_NOOP("satellites", "Weast")};

inline constexpr int kMaxSatelliteNameLength = 15;
inline constexpr int kNoRefTp = 255;
// ref_tp has eight bits and 255 means "none", so only the first 255 rows can be recorded.
inline constexpr int kMaxRefTpRows = 255;

// Control ids of dialog 140.
enum SatelliteControl {
    kSatNameEdit = 1029,
    kSatTransponderList = 1007,
    kSatLnbTypeList = 1008,
    kSat22kList = 1009,
    kSat12vList = 1010,
    kSatDiseqcList = 1011,
    kSatMotorList = 1013,
    kSatAngleEdit = 1030,
    kSatDirectionList = 1031,
};
inline constexpr int kSatelliteDialogId = 140;

// The record a new satellite starts from: "New SAT", Universal LNB, everything else off.
Satellite NewSatelliteTemplate();

// List row of a record's LNB oscillators, -1 when no row matches.
int LnbTypeRow(const Satellite& sat);

// The "Transponder" list rows of satellite `position`: "| %d | %d | %s | %d |" with the
// 0-based row number, frequency, polarisation name and symbol rate, in table order.
std::vector<std::string> SatelliteTransponderRows(const Database& db, int position);

class SatelliteForm {
public:
    // The working copy; OK writes the fields into it, nothing else touches it.
    Satellite record;

    // What the dialog shows and the user edits. A list index of -1 is "no selection".
    std::string name;  // bytes, shown as ISO-8859-1
    std::vector<std::string> transponder_rows;
    int transponder = -1;
    int lnb_type = -1;
    int tone_22k = -1;
    int power_12v = -1;
    int motor = -1;
    int diseqc = -1;
    std::string angle;
    int direction = -1;

    // Fills the fields from `sat`, listing the transponders of satellite `position`.
    static SatelliteForm Load(const Database& db, int position, const Satellite& sat);

    // The name must fit its field and the angle be a number from 0 to 180.
    std::optional<FieldRefusal> Validate() const;
    // Writes every field; a list with nothing chosen keeps what was stored.
    void ApplyTo(Satellite& target) const;
};

}  // namespace velmora
