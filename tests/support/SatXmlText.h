#pragma once
// Small satellites.xml texts for the tests and the benchmark.

#include <cstdint>
#include <string>

namespace velmora::testing {

inline std::string XmlTp(int64_t frequency_khz, int64_t symbol_rate, int polarization,
                         int fec = 3) {
    return "<transponder frequency=\"" + std::to_string(frequency_khz) + "\" symbol_rate=\"" +
           std::to_string(symbol_rate) + "\" polarization=\"" + std::to_string(polarization) +
           "\" fec_inner=\"" + std::to_string(fec) + "\" system=\"0\" modulation=\"1\"/>\n";
}

inline std::string XmlSat(const std::string& name, int position, const std::string& tps) {
    return "<sat name=\"" + name + "\" flags=\"1\" position=\"" + std::to_string(position) +
           "\">\n" + tps + "</sat>\n";
}

inline std::string XmlDoc(const std::string& sats) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n" + sats + "</satellites>\n";
}

}  // namespace velmora::testing
