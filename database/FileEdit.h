#pragma once
// One read-change-write of a database file under one lock: every program that edits a
// file in place (velmora-cli's apply-csv, order, check --fix, import, ...) goes through
// EditDatabaseFile, so that concurrent edits of one file run one after the other and each
// sees the one before it.

#include <functional>
#include <optional>
#include <string>

#include "database/DatabaseFile.h"

namespace velmora {

// What a change did to the database it was given.
enum class EditChange {
    Made,     // it changed the database: save it
    None,     // nothing to save: the file (and its backup) stay as they are
    Refused,  // it refused its input and said why itself; nothing is saved
};

using DatabaseChange = std::function<EditChange(Database&)>;

struct FileEditResult {
    OpenResult opened = OpenResult::Ok;    // not Ok: the change did not run
    EditChange change = EditChange::None;  // what the change reported
    std::optional<SaveResult> saved;       // the save's result, when one ran
    // Opened, not refused, and written when there was something to write.
    bool ok() const {
        return opened == OpenResult::Ok && change != EditChange::Refused &&
               (!saved || *saved == SaveResult::Written);
    }
};

// Takes the save lock of `path` (links followed), opens it read-write as the editor's
// Open does, runs `change` on the database and, when it reports Made, saves the result
// over `path` as Save does (with `backup`: by default the old file is kept as NAME.bak),
// the lock still held. Every other EditDatabaseFile and every save of the file waits
// meanwhile. `change` runs at most once and only on a database that opened.
FileEditResult EditDatabaseFile(const std::string& path, const DatabaseChange& change,
                                Backup backup = Backup::KeepOld);

}  // namespace velmora
