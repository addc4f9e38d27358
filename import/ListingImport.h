#pragma once
// Creating satellites with their transponders from a saved page of a satellite-listing
// site: a C-band pass and then a Ku-band pass over the same page.

#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"
#include "database/Interaction.h"
#include "import/ListingScan.h"
#include "text/Translate.h"

namespace velmora {

struct ImportResult {
    std::vector<int> new_satellites;  // indexes of the satellites the passes appended
    int transponders_added = 0;
    int transponders_dropped = 0;  // matches found while the transponder table was full
};

// English; the editor shows it through Translate("import", ...).
inline constexpr std::string_view kMsgCannotOpenPage = VT_TR_NOOP("import", "Can't open file !");

// A saved page, read once; both passes scan the same bytes.
struct ListingPage {
    bool opened = false;    // false when the file could not be read
    std::string file_name;  // last path component, extension included, as Latin-1 bytes
    std::string bytes;
};

// Reads the whole file at `path` (ReadInputFile: a regular file, bounded, without
// blocking). Never fails loudly: `opened` tells.
ListingPage LoadListingPage(const std::string& path);

// One pass over `page` for `band`: appends a satellite named from the file name, then one
// transponder per match while the table has room, each with the lowest free tp_id.
// Returns true when the satellite was created and the page scanned; false, with `db`
// unchanged, when the satellite table is full ("Satellites are full,can't append the
// satellite"), the page was not read ("Can't open file !"), or the file name holds no
// " at" after its first character (no message). Records what it added in `result`.
bool ImportListingPass(Database& db, const ListingPage& page, Band band, Prompter& prompter,
                       ImportResult& result);
// The same for the file at `path`, read for this pass alone.
bool ImportListingPass(Database& db, const std::string& path, Band band, Prompter& prompter);

// Runs the C-band pass, then the Ku-band pass, of the page at `path` on `db`, telling the
// user through `prompter` what the passes report. Reads the file once.
ImportResult ImportListingPage(Database& db, const std::string& path, Prompter& prompter);

}  // namespace velmora
