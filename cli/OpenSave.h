#pragma once
// The two file steps every velmora-cli command that changes a database shares.

#include <memory>
#include <ostream>
#include <string>

#include "database/DatabaseFile.h"

namespace velmora::cli {

// Opens `path` as the editor's Open does; on failure tells why on `err` (null).
std::unique_ptr<Database> OpenOrTell(const std::string& path, FileAccess access, std::ostream& err);
// Saves `db` to `path` as Save does; 0 when written, else 1 with the reason on `err`.
int SaveOrTell(Database& db, const std::string& path, std::ostream& err,
               Backup backup = Backup::None);

}  // namespace velmora::cli
