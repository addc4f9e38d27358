#include "import/ListingImportCommand.h"

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
    if (!result.new_satellites.empty()) db.modified = true;
    return result;
}

}  // namespace velmora
