#pragma once
// Writing the database's satellites and transponders as satellites.xml.

#include <string>

#include "database/Database.h"

namespace velmora {

// One <sat name position flags="1"> per satellite (the name led by its position, as the
// published files name them; ISO-8859-1 names as UTF-8), one <transponder> per
// transponder in table order: frequency in kHz, symbol rate in S/s, polarization 0/1,
// fec_inner 0-5, system="0" modulation="1". xml-import of the result gives the same
// transponders.
std::string SatellitesXml(const Database& db);

}  // namespace velmora
