#pragma once
// The fields of the "Transponder Parameters" dialog (template 141) as a plain value.

#include <optional>
#include <string>

#include "database/FieldChecks.h"
#include "database/Records.h"

namespace velmora {

enum TransponderControl {
    kTpFrequencyEdit = 1002,
    kTpSymbolRateEdit = 1003,
    kTpPolarisationList = 1006,
    kTpFecList = 1009,
};
inline constexpr int kTransponderDialogId = 141;

inline constexpr int kMinFrequency = 1;
inline constexpr int kMaxFrequency = 20000;
inline constexpr int kMinSymbolRate = 2000;
inline constexpr int kMaxSymbolRate = 45000;

// The record a new transponder of satellite `satellite` starts from: 11747 MHz, VER,
// 27500, FEC 3/4, every other byte zero.
Transponder NewTransponderTemplate(int satellite);

class TransponderForm {
public:
    // The working copy; OK writes the fields into it.
    Transponder record;

    std::string frequency;
    std::string symbol_rate;
    int polarisation = -1;  // list row, -1 for none
    int fec = -1;

    static TransponderForm Load(const Transponder& tp);

    // Both fields must hold integers, then each must be within its range.
    std::optional<FieldRefusal> Validate() const;
    // Writes frequency, symbol rate and the whole tp_flags byte. `satellite`, `tp_id` and
    // the spare bytes are never touched.
    void ApplyTo(Transponder& target) const;
};

}  // namespace velmora
