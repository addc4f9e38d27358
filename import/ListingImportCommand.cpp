#include "import/ListingImportCommand.h"

#include "import/ListingFileName.h"
#include "text/Translate.h"

namespace velmora {

FileChoice ListingImportFileChoice() {
    FileChoice choice;
    choice.save = false;
    choice.title = Fill(VT_TR("import", "Select saved html file from %1 "), {kListingSiteHost});
    //: File types as label|patterns pairs: translate the labels, keep every | and pattern.
    choice.filter = VT_TR("import", "HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||");
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
