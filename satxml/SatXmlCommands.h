#pragma once
// The editor's satellites.xml commands: "Load Satellites from satellites.xml..." and
// "Update Transponders from satellites.xml..." on the tree, File > Export > "Satellites
// as satellites.xml...". The caller records the undo step and shows the changed tables.

#include <string_view>
#include <vector>

#include "database/Database.h"
#include "database/Interaction.h"
#include "satxml/SatXmlDialogs.h"
#include "text/Translate.h"

namespace velmora {

// Translated where they are shown: Translate("satxml", ...).
//: A file dialog's filter: the labels only; the patterns and the | stay.
inline constexpr const char* kSatXmlFilter =
    VT_TR_NOOP("satxml", "XML Files (*.xml)|*.xml|All Files (*.*)|*.*||");
inline constexpr const char* kSatXmlUpToDate =
    VT_TR_NOOP("satxml",
               "Nothing to update: the transponders of the satellites at the file's positions are "
               "as the file gives them.");

// Asks for a satellites.xml and shows its satellites in the load window; on OK appends
// the checked ones with their transponders (refused with Add's messages when they do not
// fit). Returns the new satellites' indexes; empty when nothing changed. A file that
// cannot be read is told and changes nothing.
std::vector<int> LoadSatellitesFromXml(Database& db, FileChooser& files, Prompter& prompter,
                                       SatXmlDialogs& dialogs);

// Asks for a satellites.xml and shows what updating satellite `only` (every satellite
// when -1) would add, change and find vanished; on OK carries it out. True when the
// tables changed.
bool UpdateTranspondersFromXml(Database& db, FileChooser& files, Prompter& prompter,
                               SatXmlDialogs& dialogs, int only);

// Asks for a file name (".xml" appended when missing) and writes the satellites and
// transponders there whole or not at all; "Can not save file!" when it could not be.
bool ExportSatellitesXmlFile(const Database& db, FileChooser& files, Prompter& prompter);

}  // namespace velmora
