#pragma once
// The two windows of the satellites.xml commands as plain values: the load window (the
// file's satellites to choose from) and the update preview.

#include <string>
#include <vector>

#include "database/Database.h"
#include "satxml/SatXmlImport.h"

namespace velmora {

struct SatXmlLoadRow {
    std::string position;     // "19.2E"
    std::string name;         // the file's name, UTF-8
    std::string record_name;  // the name the satellite gets, ISO-8859-1 bytes
    std::string band;         // "C" or "Ku"
    int transponders = 0;     // the usable ones
    bool checked = false;
};

// "Load Satellites from satellites.xml...": a row per <sat>, a filter and check boxes.
class SatXmlLoadForm {
public:
    std::vector<SatXmlLoadRow> rows;
    std::string filter;  // UTF-8; shown rows hold it in their position or name, any case
    int free_satellites = 0;
    int free_transponders = 0;

    static SatXmlLoadForm Load(const Database& db, const std::vector<XmlSatellite>& sats);

    // Whether row `i` matches the filter. Checked rows stay chosen while hidden.
    bool Shows(int i) const;
    // The checked rows, in file order.
    std::vector<int> Chosen() const;
    int ChosenTransponders() const;
    // "adds N satellites / M transponders of K/L free"
    std::string Counts() const;
    // Something is chosen and it fits the free room.
    bool Fits() const;
};

struct SatXmlUpdateRow {
    std::string change;       // "Add", "Change" or "Vanished", translated (UTF-8)
    std::string satellite;    // its name, ISO-8859-1 bytes
    std::string transponder;  // "11727 VER 27500 3/4" as it will be (vanished: as it is)
    std::string detail;       // a change: what it was; vanished: "N channels"; UTF-8
};

// "Update Transponders from satellites.xml...": what the update adds, changes and finds
// vanished, before anything changes.
class SatXmlUpdateForm {
public:
    XmlUpdatePlan plan;
    std::vector<SatXmlUpdateRow> rows;
    bool remove_vanished = false;  // delete the vanished ones no channel uses

    static SatXmlUpdateForm Load(const Database& db, XmlUpdatePlan plan);
    // "adds N, changes M, vanished K (R without channels)"
    std::string Summary() const;
};

}  // namespace velmora
