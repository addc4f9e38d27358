#pragma once
// One satellites.xml fuzz input, shared by the fuzz target and the test that replays the
// corpus without libFuzzer. Input: the file's bytes. A file that reads is imported whole
// into a new database, updated from itself, and written and read back.

#include <cstdint>
#include <memory>
#include <numeric>
#include <string_view>
#include <vector>

#include "database/Upkeep.h"
#include "fuzz/ListingImportInput.h"
#include "satxml/SatXmlImport.h"
#include "satxml/SatXmlReader.h"
#include "satxml/SatXmlWriter.h"

namespace velmora::fuzzing {

// The tables hold only satellites and transponders that point where they should.
inline bool SoundSatellitesAndTransponders(const Database& db) {
    if (db.sat_count() < 0 || db.sat_count() > kMaxSatellites) return false;
    if (db.tp_count() < 0 || db.tp_count() > kMaxTransponders) return false;
    std::vector<bool> seen(65536);
    for (int i = 0; i < db.tp_count(); ++i) {
        const Transponder& tp = db.transponders[i];
        if (tp.satellite() >= db.sat_count() || seen[tp.tp_id()]) return false;
        if (tp.frequency() < 1 || tp.frequency() > 20000) return false;
        if (tp.symbol_rate() < 2000 || tp.symbol_rate() > 45000) return false;
        seen[tp.tp_id()] = true;
    }
    for (int s = 0; s < db.sat_count(); ++s)
        if (db.satellites[s].name().size() > 15) return false;
    return true;
}

// Runs the input; false when the reader or what follows it left something broken.
inline bool RunSatXmlReaderInput(const uint8_t* data, size_t size) {
    const SatXmlRead read =
        ParseSatellitesXml(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.ok()) return read.satellites.empty();

    static auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->database_open = true;
    SilentPrompter prompter;
    std::vector<int> all(read.satellites.size());
    std::iota(all.begin(), all.end(), 0);
    XmlImportCounts counts;
    const auto added = ImportXmlSatellites(*db, read.satellites, all, prompter, counts);
    if (!added) return db->sat_count() == 0 && db->tp_count() == 0;
    if (db->tp_count() != counts.transponders || !SoundSatellitesAndTransponders(*db)) return false;

    const XmlUpdatePlan plan = PlanXmlUpdate(*db, read.satellites);
    if (ApplyXmlUpdate(*db, plan, true, prompter) && !SoundSatellitesAndTransponders(*db))
        return false;

    const SatXmlRead back = ParseSatellitesXml(SatellitesXml(*db));
    return back.ok() && static_cast<int>(back.satellites.size()) == db->sat_count();
}

}  // namespace velmora::fuzzing
