// Feeds arbitrary page bytes and a file name to the listing-page import, on a database
// close to its satellite and transponder limits. Input: the file name up to the first
// newline, then the page.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "database/Upkeep.h"
#include "import/ListingImport.h"

using namespace velmora;

namespace {

class SilentPrompter : public Prompter {
public:
    Answer Show(std::string_view, std::string_view, Icon, Buttons b) override {
        return b == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

std::unique_ptr<Database> NearlyFullDatabase() {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->database_open = true;
    db->set_sat_count(61);
    for (int s = 0; s < 61; ++s) db->satellites[s].set_name("SAT " + std::to_string(s));
    db->set_tp_count(1995);
    for (int i = 0; i < 1995; ++i) {
        db->transponders[i].set_satellite(static_cast<uint8_t>(i % 61));
        db->transponders[i].set_frequency(static_cast<uint16_t>(10000 + i));
        db->transponders[i].set_symbol_rate(27500);
        // Leave a few ids free, and one id outside the table's range.
        db->transponders[i].set_tp_id(static_cast<uint16_t>(i == 7 ? 4000 : i + (i > 100) * 3));
    }
    return db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto base = NearlyFullDatabase();
    static auto db = std::make_unique<Database>();
    static const std::string dir = [] {
        char templ[] = "/tmp/velmora-fuzz-XXXXXX";
        return std::string(mkdtemp(templ));
    }();

    size_t split = 0;
    while (split < size && split < 64 && data[split] != '\n') ++split;
    std::string name;
    for (size_t i = 0; i < split; ++i) {
        const char c = static_cast<char>(data[i]);
        name.push_back(c == '/' || c == 0 ? '_' : c);
    }
    const std::string path = dir + "/" + (name.empty() ? "page" : name) + ".htm";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    if (size > split + 1) std::fwrite(data + split + 1, 1, size - split - 1, f);
    std::fclose(f);

    db->tables() = base->tables();
    db->database_open = true;
    SilentPrompter prompter;
    ImportListingPage(*db, path, prompter);
    std::remove(path.c_str());

    if (db->sat_count() > kMaxSatellites || db->tp_count() > kMaxTransponders) __builtin_trap();
    for (int i = 0; i < db->tp_count(); ++i) {
        if (db->transponders[i].satellite() >= db->sat_count()) __builtin_trap();
    }
    return 0;
}
