#include "satellites/SatelliteForm.h"

#include <cmath>
#include <cstdio>

#include "database/NameLists.h"
#include "text/Translate.h"

namespace velmora {
namespace {

// Row of `value` in a list of `rows` entries, -1 when it has none.
int RowOf(uint32_t value, size_t rows) {
    return value < rows ? static_cast<int>(value) : -1;
}

}  // namespace

Satellite NewSatelliteTemplate() {
    Satellite sat;
    sat.set_name("New SAT");
    sat.set_lnb_low(9750);
    sat.set_lnb_high(10600);
    sat.set_sat_flags(0x100);
    return sat;
}

int LnbTypeRow(const Satellite& sat) {
    if (sat.universal()) return sat.lnb_high() == 10600 ? 0 : 1;
    for (size_t row = 2; row < kLnbTypes.size(); ++row) {
        if (kLnbTypes[row].lnb_low == sat.lnb_low()) return static_cast<int>(row);
    }
    return -1;
}

std::vector<std::string> SatelliteTransponderRows(const Database& db, int position) {
    std::vector<std::string> rows;
    for (int i = 0; i < db.tp_count() && static_cast<int>(rows.size()) < kMaxRefTpRows; ++i) {
        const Transponder& tp = db.transponders[i];
        if (tp.satellite() != position) continue;
        char line[64];
        std::snprintf(line, sizeof line, "| %d | %d | %s | %d |", static_cast<int>(rows.size()),
                      tp.frequency(), kPolarisationNames[tp.polarisation()].data(),
                      tp.symbol_rate());
        rows.emplace_back(line);
    }
    return rows;
}

SatelliteForm SatelliteForm::Load(const Database& db, int position, const Satellite& sat) {
    SatelliteForm form;
    form.record = sat;
    form.name = sat.name();
    form.transponder_rows = SatelliteTransponderRows(db, position);
    form.transponder = RowOf(sat.ref_tp(), form.transponder_rows.size());
    form.lnb_type = LnbTypeRow(sat);
    form.tone_22k = RowOf(sat.tone_22k(), kToneNames.size());
    form.power_12v = RowOf(sat.power_12v(), kPowerNames.size());
    // Motor value 3 has no entry of its own and is shown as "None".
    form.motor = sat.motor() == 3 ? 0 : RowOf(sat.motor(), kMotorNames.size());
    form.diseqc = RowOf(sat.diseqc(), kDiseqcNames.size());
    const int angle = sat.angle();
    form.angle = FormatNumberField((angle % 100) * 0.01 + angle / 100);
    form.direction = RowOf(sat.west(), kDirectionNames.size());
    return form;
}

std::optional<FieldRefusal> SatelliteForm::Validate() const {
    if (name.size() > static_cast<size_t>(kMaxSatelliteNameLength))
        return FieldRefusal{kSatNameEdit, TooLongMessage(kMaxSatelliteNameLength)};
    const auto value = ParseNumberField(angle);
    if (!value)
        return FieldRefusal{kSatAngleEdit, Translate("database", kNotANumberMessage.data())};
    if (*value < 0 || *value > 180) return FieldRefusal{kSatAngleEdit, NumberRangeMessage(0, 180)};
    return std::nullopt;
}

void SatelliteForm::ApplyTo(Satellite& target) const {
    const double degrees = ParseNumberField(angle).value_or(0);
    target.set_name(name);
    target.set_ref_tp(transponder >= 0 && transponder < kMaxRefTpRows
                          ? static_cast<uint32_t>(transponder)
                          : kNoRefTp);
    // With no LNB row selected the stored oscillators matched no row: keep them rather
    // than invent a type the user never chose.
    if (lnb_type >= 0 && lnb_type < static_cast<int>(kLnbTypes.size())) {
        const LnbType& lnb = kLnbTypes[lnb_type];
        target.set_lnb_low(lnb.lnb_low);
        target.set_lnb_high(lnb.lnb_high);
        target.set_universal(lnb.universal ? 1 : 0);
    }
    target.set_tone_22k(tone_22k >= 0 ? tone_22k : 0);
    target.set_power_12v(power_12v >= 0 ? power_12v : 0);
    // A stored DiSEqC value of 8..15 has no row; keep it when nothing was chosen.
    if (diseqc >= 0) target.set_diseqc(diseqc);
    if (motor >= 0) target.set_motor(motor);
    if (direction >= 0) target.set_west(direction);
    target.set_angle(static_cast<uint16_t>(std::lround(degrees * 100)));
}

}  // namespace velmora
