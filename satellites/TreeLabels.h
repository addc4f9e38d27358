#pragma once
// The texts of the tree's satellite and transponder nodes, built from the records.
// Names are the records' bytes; the tree shows them as ISO-8859-1.

#include <string>

#include "database/Records.h"
#include "text/Translate.h"

namespace velmora {

// "| n+1 | name | LNB | DiSEqC part[ motor part]" for the satellite at index n.
// A DiSEqC value without a name (8..15) shows as "DiSEqC <value>".
std::string SatelliteLabel(const Satellite& sat, int n);

// "k+1 | frequency | HOR/VER | symbol rate | FEC" for the k-th transponder of a
// satellite. An FEC value without a name (6, 7) shows as "FEC <value>".
std::string TransponderLabel(const Transponder& tp, int k);

// The orbital position in degrees as the satellite dialog shows the angle, followed by
// "E" or "W" for the direction: angle 1920 East gives "19.2E".
std::string OrbitalPosition(const Satellite& sat);

}  // namespace velmora

namespace velmora {

// The six root nodes in their order, with their image indexes; "Other Setting" has an
// image index past the image list and is drawn without an icon.
inline constexpr int kTreeRootCount = 6;
// English; the tree shows them translated ("satellites").
inline constexpr const char* kTreeRootLabels[kTreeRootCount] = {
    VT_TR_NOOP("satellites", "All Services"),     VT_TR_NOOP("satellites", "Antenna"),
    VT_TR_NOOP("satellites", "Channel List"),     VT_TR_NOOP("satellites", "FAV List"),
    VT_TR_NOOP("satellites", "Parental Control"), VT_TR_NOOP("satellites", "Other Setting")};
inline constexpr int kTreeRootImages[kTreeRootCount] = {5, 6, 7, 8, 9, 10};
// Images (normal / selected) of the node kinds below the roots.
inline constexpr int kSatelliteImage = 1, kSatelliteSelectedImage = 2;
inline constexpr int kTransponderImage = 3, kTransponderSelectedImage = 4;
inline constexpr int kGroupImage = 1, kGroupSelectedImage = 2;

}  // namespace velmora
