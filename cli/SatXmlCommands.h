#pragma once
// velmora-cli's satellites.xml commands: xml-import and xml-update (export's
// satellites-xml format is one of Export's). Exit codes as the other commands: 0 done, 1 failed.

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

// Appends the <sat>s named by `sats` (positions or exact names) with their transponders
// and saves FILE in place, keeping NAME.bak. "Imported N satellites with M transponders
// (K skipped)" on `err`. 1 with FILE unchanged when a name matches nothing, a file cannot
// be read, or the tables cannot hold the result.
int XmlImport(const std::string& sdx_path, const std::string& xml_path,
              const std::vector<std::string>& sats, std::ostream& err);

// Updates every satellite's transponders from the <sat> at its position; saves in place
// (keeping NAME.bak) when something changed, and prints {"added", "updated", "vanished",
// "removed"} as JSON on `out`. Vanished transponders are deleted only with
// `remove_vanished` and only when no channel uses them.
int XmlUpdate(const std::string& sdx_path, const std::string& xml_path, bool remove_vanished,
              std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
