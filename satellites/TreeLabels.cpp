#include "satellites/TreeLabels.h"

#include <cstdio>

#include "database/FieldChecks.h"
#include "database/Latin1.h"
#include "database/NameLists.h"
#include "text/Translate.h"

namespace velmora {

std::string SatelliteLabel(const Satellite& sat, int n) {
    std::string label = "| " + std::to_string(n + 1) + " | " + Latin1ToUtf8(sat.name()) + " | ";
    if (sat.universal()) {
        label += sat.lnb_high() == 10600 ? VT_TR("satellites", "Universal") : "9750/10750";
    } else {
        char lnb[16];
        std::snprintf(lnb, sizeof lnb, "%05d", sat.lnb_low());
        label += lnb;
    }
    label += " | ";
    const unsigned diseqc = sat.diseqc();
    if (diseqc == 0) {
        label += " " + Translate("database", kDiseqcNames[0].data()) + " | ";
    } else {
        label += diseqc < kDiseqcNames.size() ? Translate("database", kDiseqcNames[diseqc].data())
                                              : "DiSEqC " + std::to_string(diseqc);
        label += " |";
    }
    if (sat.motor() == 1) label += " " + VT_TR("satellites", "Motor") + " | ";
    if (sat.motor() == 2) label += " Usal | ";
    return label;
}

std::string TransponderLabel(const Transponder& tp, int k) {
    const unsigned fec = tp.fec();
    const std::string fec_name =
        fec < kFecNames.size() ? std::string(kFecNames[fec]) : "FEC " + std::to_string(fec);
    return std::to_string(k + 1) + " | " + std::to_string(tp.frequency()) + " | " +
           std::string(kPolarisationNames[tp.polarisation()]) + " | " +
           std::to_string(tp.symbol_rate()) + " | " + fec_name;
}

std::string OrbitalPosition(const Satellite& sat) {
    const int angle = sat.angle();
    return FormatNumberField((angle % 100) * 0.01 + angle / 100) + (sat.west() ? "W" : "E");
}

}  // namespace velmora
