#pragma once
// Creating satellites with their transponders from a saved page of a satellite-listing
// site: a C-band pass and then a Ku-band pass over the same page.

#include <string>
#include <vector>

#include "database/Database.h"
#include "database/Interaction.h"

namespace velmora {

struct ImportResult {
    std::vector<int> new_satellites;  // indexes of the satellites the passes appended
    int transponders_added = 0;
};

// Runs the C-band pass, then the Ku-band pass, of the page at `path` on `db`, telling the
// user through `prompter` what the passes report. Marks nothing modified; the caller does
// when something was added.
ImportResult ImportListingPage(Database& db, const std::string& path, Prompter& prompter);

}  // namespace velmora
