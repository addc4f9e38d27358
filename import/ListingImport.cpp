#include "import/ListingImport.h"

namespace velmora {

ImportResult ImportListingPage(Database&, const std::string&, Prompter&) {
    return {};
}

}  // namespace velmora
