#pragma once
// The "Antenna" menu's import command: choosing the saved page, running both passes and
// reporting which satellites the tree must show.

#include <string>
#include <string_view>

#include "database/Database.h"
#include "database/Interaction.h"
#include "import/ListingImport.h"

namespace velmora {

// The listing site whose saved pages the import reads; named in the menu item and in
// the file dialog's title. A neutral name: the patterns are what matters.
inline constexpr std::string_view kListingSiteHost = "satellite-listings.example";

// The open-file dialog of the command: title "Select saved html file from <host> " and
// the .htm filter.
FileChoice ListingImportFileChoice();

// Asks `files` for a page and imports it into `db` (C-band pass, then Ku-band pass).
// Cancel changes nothing. The tree adds
// the nodes of `new_satellites` with their transponders.
ImportResult RunListingImportCommand(Database& db, FileChooser& files, Prompter& prompter);

}  // namespace velmora
