#pragma once
// The steps every velmora-cli command shares: messages, opening, saving, editing a file in
// place, and the end of a command that printed results.

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "database/DatabaseFile.h"
#include "database/FileEdit.h"

namespace velmora::cli {

// A message on standard error: text from inputs in it cannot reach the terminal as
// control characters.
void Tell(std::ostream& err, std::string_view message);
// Opens `path` as the editor's Open does; on failure tells why on `err` (null).
std::unique_ptr<Database> OpenOrTell(const std::string& path, FileAccess access, std::ostream& err);
// Saves `db` to `path` as Save does; 0 when written, else 1 with the reason on `err`.
int SaveOrTell(Database& db, const std::string& path, std::ostream& err,
               Backup backup = Backup::None);
// Runs `change` on `path` under one lock from the read to the end of the save (see
// EditDatabaseFile): 0 when saved or nothing changed, 1 when the file did not open, the
// change refused (it told why itself) or the save failed (told on `err`).
int EditOrTell(const std::string& path, const DatabaseChange& change, std::ostream& err);
// The end of a command that printed results on `out`: `code`, or 1 with a message when
// the output did not reach its place.
int Finish(std::ostream& out, std::ostream& err, int code);

}  // namespace velmora::cli
