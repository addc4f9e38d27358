#pragma once
// The fields of the "Transponder Parameters" dialog (template 141) as a plain value.

#include <optional>
#include <string>

#include "database/Records.h"
#include "database/FieldChecks.h"

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

    static TransponderForm Open(const Transponder& tp);

    // OK: checks both numbers; on success writes frequency, symbol rate and the whole
    // tp_flags byte into `record` and returns nullopt, otherwise returns the refused field
    // and changes nothing. `satellite`, `tp_id` and the spare bytes are never touched.
    std::optional<FieldRefusal> Confirm();
};

}  // namespace velmora
