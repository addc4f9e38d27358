#pragma once
// The database as one JSON object, as `velmora-cli dump` prints it and `load` reads it:
// {"header", "satellites", "transponders", "tv", "radio", "settings", "favourite_groups"}.
// Numbers are the raw unsigned field values (time_offset is signed); names are the bytes
// up to the first NUL read as ISO-8859-1 and carried as UTF-8 strings.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "database/Database.h"

namespace velmora::cli {

using Json = nlohmann::ordered_json;

// Everything the tables hold in use: records up to the counts, the settings, and the
// favourite groups' TV and radio lists.
Json DatabaseToJson(const Database& db);

// One record as it stands in the dump's arrays.
Json SatelliteToJson(const Satellite& s);
Json TransponderToJson(const Transponder& t);
Json ChannelToJson(const Channel& ch);

// Builds `db` from `doc`, starting from a new database, so anything `doc` leaves out is as
// New makes it. The header's counts, packed_length and checksum are ignored (they are
// recomputed on save); favourite_groups, when absent, are rebuilt from the channels'
// marks. Returns nullopt on success, else a message naming the first bad field; `db` may
// then be partly filled.
std::optional<std::string> JsonToDatabase(const Json& doc, Database& db);

}  // namespace velmora::cli
