#pragma once
// The transponder scan of a saved listing page: finds the frequency-and-polarisation
// headers and the symbol-rate-and-FEC texts that complete them, by fixed byte patterns.
// The page is never parsed as HTML.

#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora {

// The two passes of an import differ in the header pattern they look for.
enum class Band { C, Ku };

struct ListingMatch {
    uint16_t frequency = 0;
    uint16_t symbol_rate = 0;
    uint8_t polarisation = 0;  // 0 horizontal or left, 1 vertical or right
    uint8_t fec = 0;           // index into kFecNames, 1..5
    bool operator==(const ListingMatch&) const = default;
};

// Every transponder that the `band` pass finds in `page`, in page order. Reads only inside
// `page`. A rate search that ran into the next header is not walked again by the later
// searches that reach the same place, so headers whose rates are hidden cannot make the
// scan rescan the page once per header.
std::vector<ListingMatch> ScanListingPage(std::string_view page, Band band);

}  // namespace velmora
