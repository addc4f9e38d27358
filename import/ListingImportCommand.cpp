#include "import/ListingImportCommand.h"

#include "import/ListingFileName.h"

namespace velmora {

FileChoice ListingImportFileChoice() {
    FileChoice choice;
    choice.save = false;
    choice.title = "Select saved html file from " + std::string(kListingSiteHost) + " ";
    choice.filter = "HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||";
    return choice;
}

ImportResult RunListingImportCommand(Database& db, FileChooser& files, Prompter& prompter) {
    const std::optional<std::string> path = files.Choose(ListingImportFileChoice());
    if (!path) return {};
    ImportResult result = ImportListingPage(db, *path, prompter);
    // The passes skip such a page without a word; the user should learn why.
    if (result.new_satellites.empty()) {
        if (const auto problem = ListingNameProblem(*path)) prompter.Tell(*problem);
    }
    return result;
}

}  // namespace velmora
