#pragma once
// The satellite that an import pass creates takes its name, orbital position and
// direction from the saved page's file name, e.g. "Alpha 6 at 13.0°E.htm".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "database/Records.h"
#include "import/ListingScan.h"

namespace velmora {

struct ListingName {
    std::string base;    // the bytes before the first " at"
    uint16_t angle = 0;  // the digits after it, decimal point dropped: 13.0 gives 130
    bool west = false;
};

// Reads `file_name` (last path component, extension included, as Latin-1 bytes). nullopt
// when it holds no " at", or when the first " at" starts the name.
std::optional<ListingName> ParseListingFileName(std::string_view file_name);

// The new satellite row of a pass: "C_" or "Ku_" and the base name (cut so that the name
// keeps its terminator), the band's LNB, tone "Auto", the position and direction; every
// other byte zero.
Satellite MakeImportedSatellite(const ListingName& name, Band band);

// What a page's file name must look like, for the user whose file name holds no " at",
// in English. ListingNameProblem fills it in from a pattern the translators see without
// the example's Latin-1 degree sign.
inline constexpr std::string_view kListingNameHint =
    "No satellite was created: the file name does not name one. Save the page under the "
    "satellite's name, \" at\" and its position, e.g. \"Example Sat 1 at 19.2\xB0"
    "E.htm\".";

// kListingNameHint when the file at `path` is named so that no pass can create a
// satellite from it; nullopt when its name is usable.
std::optional<std::string> ListingNameProblem(const std::string& path);

// A file name as the Latin-1 bytes that satellite names hold: a valid UTF-8 name is
// decoded, dropping characters above U+00FF; any other name is taken byte for byte.
std::string FileNameToLatin1(std::string_view name);

}  // namespace velmora
