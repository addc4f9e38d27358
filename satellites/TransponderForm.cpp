#include "satellites/TransponderForm.h"

#include <utility>

#include "database/NameLists.h"
#include "text/Translate.h"

namespace velmora {

Transponder NewTransponderTemplate(int satellite) {
    Transponder tp;
    tp.set_frequency(11747);
    tp.set_symbol_rate(27500);
    tp.set_tp_flags(13);
    tp.set_satellite(static_cast<uint8_t>(satellite));
    return tp;
}

TransponderForm TransponderForm::Load(const Transponder& tp) {
    TransponderForm form;
    form.record = tp;
    form.frequency = std::to_string(tp.frequency());
    form.symbol_rate = std::to_string(tp.symbol_rate());
    form.polarisation = tp.polarisation();
    form.fec = tp.fec() < kFecNames.size() ? tp.fec() : -1;
    return form;
}

std::optional<FieldRefusal> TransponderForm::Validate() const {
    // Both fields must hold integers before either range is judged.
    for (const auto& [control, text] :
         {std::pair{kTpFrequencyEdit, &frequency}, std::pair{kTpSymbolRateEdit, &symbol_rate}}) {
        if (!ParseIntegerField(*text))
            return FieldRefusal{control, Translate("database", kNotAnIntegerMessage.data())};
    }
    int freq = 0;
    int rate = 0;
    if (auto refusal =
            CheckIntegerField(kTpFrequencyEdit, frequency, freq, kMinFrequency, kMaxFrequency))
        return refusal;
    if (auto refusal =
            CheckIntegerField(kTpSymbolRateEdit, symbol_rate, rate, kMinSymbolRate, kMaxSymbolRate))
        return refusal;
    return std::nullopt;
}

void TransponderForm::ApplyTo(Transponder& target) const {
    target.set_frequency(static_cast<uint16_t>(ParseIntegerField(frequency).value_or(0)));
    target.set_symbol_rate(static_cast<uint16_t>(ParseIntegerField(symbol_rate).value_or(0)));
    // The flags byte is rebuilt whole, so its unnamed bits are cleared. A stored FEC of
    // 6 or 7 has no row: with nothing chosen it is kept.
    const int fec_value = fec >= 0 ? fec : target.fec();
    const int pol_value = polarisation >= 0 ? polarisation : target.polarisation();
    target.set_tp_flags(static_cast<uint8_t>(fec_value * 4 + pol_value));
}

}  // namespace velmora
