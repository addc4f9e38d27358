#include "import/ListingImport.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>

#include "database/DatabaseFile.h"
#include "import/ListingFileName.h"
#include "text/Translate.h"

namespace velmora {
namespace {

constexpr std::string_view kSatellitesFull =
    VT_TR_NOOP("import", "Satellites are full,can't append the satellite");

// The used ids of the transponder table, so that each new row of a pass takes the lowest
// free one without rescanning the table. Ids of 2000 or more (only in files written
// elsewhere) cannot collide with a new id and are left out.
class FreeTpIds {
public:
    explicit FreeTpIds(const Database& db) {
        const int rows = std::min(db.tp_count(), kMaxTransponders);
        for (int i = 0; i < rows; ++i) {
            const int id = db.transponders[i].tp_id();
            if (id < kMaxTransponders) used_[id] = true;
        }
    }

    // kMaxTransponders when every id is taken.
    int Lowest() {
        while (next_ < kMaxTransponders && used_[next_]) ++next_;
        return next_;
    }
    void Take(int id) { used_[id] = true; }

private:
    std::array<bool, kMaxTransponders> used_{};
    int next_ = 0;
};

Transponder MakeTransponder(const ListingMatch& match, int satellite, int tp_id) {
    Transponder tp;  // bytes 6..9 stay zero, as Add Transponder leaves them
    tp.set_frequency(match.frequency);
    tp.set_symbol_rate(match.symbol_rate);
    tp.set_polarisation(match.polarisation);
    tp.set_fec(match.fec);
    tp.set_satellite(static_cast<uint8_t>(satellite));
    tp.set_tp_id(static_cast<uint16_t>(tp_id));
    return tp;
}

}  // namespace

ListingPage LoadListingPage(const std::string& path) {
    ListingPage page;
    page.file_name = FileNameToLatin1(std::filesystem::path(path).filename().string());
    // A FIFO, a device or a page past the input bound is a page that cannot be read.
    std::optional<std::string> bytes = ReadInputFile(path);
    page.opened = bytes.has_value();
    if (bytes) page.bytes = std::move(*bytes);
    return page;
}

bool ImportListingPass(Database& db, const ListingPage& page, Band band, Prompter& prompter,
                       ImportResult& result) {
    const int sat = db.sat_count();
    if (sat < 0 || sat >= kMaxSatellites) {
        prompter.Tell(Translate("import", kSatellitesFull.data()));
        return false;
    }
    if (!page.opened) {
        prompter.Tell(Translate("import", kMsgCannotOpenPage.data()), Icon::Error);
        return false;
    }
    const std::optional<ListingName> name = ParseListingFileName(page.file_name);
    if (!name) return false;

    db.satellites[sat] = MakeImportedSatellite(*name, band);
    db.set_sat_count(sat + 1);
    result.new_satellites.push_back(sat);

    FreeTpIds ids(db);
    for (const ListingMatch& match : ScanListingPage(page.bytes, band)) {
        const int row = db.tp_count();
        const int id = ids.Lowest();
        if (row < 0 || row >= kMaxTransponders || id >= kMaxTransponders) {
            ++result.transponders_dropped;
            continue;
        }
        db.transponders[row] = MakeTransponder(match, sat, id);
        db.set_tp_count(row + 1);
        ids.Take(id);
        ++result.transponders_added;
    }
    return true;
}

bool ImportListingPass(Database& db, const std::string& path, Band band, Prompter& prompter) {
    ImportResult ignored;
    return ImportListingPass(db, LoadListingPage(path), band, prompter, ignored);
}

ImportResult ImportListingPage(Database& db, const std::string& path, Prompter& prompter) {
    ImportResult result;
    const ListingPage page = LoadListingPage(path);
    ImportListingPass(db, page, Band::C, prompter, result);
    ImportListingPass(db, page, Band::Ku, prompter, result);
    return result;
}

}  // namespace velmora
