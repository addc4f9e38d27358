#pragma once
// Reading a database file from disk and saving one without ever destroying the file
// that is already there.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "database/Database.h"

namespace velmora {

enum class OpenResult {
    Ok,
    CannotOpen,  // missing, unreadable, not writable, or not a regular file
    NotValid,    // the file is not a correct .sdx file
};

enum class SaveResult {
    Written,
    CannotCreate,    // the target (or the file beside it) could not be created or written
    NothingToWrite,  // the payload does not compress to a stream shorter than itself
};

enum class FileAccess {
    ReadWrite,  // the editor's Open: a file it could not save back is refused
    ReadOnly,   // inspection only
};

// Reads a regular file opened with `access`; nullopt when it cannot be opened. Reads at
// most kMaxSdxFileSize + 1 bytes: anything longer is no database, and that one extra
// byte is enough for the reader to refuse it.
std::optional<std::vector<uint8_t>> ReadDatabaseFileBytes(
    const std::string& path, FileAccess access = FileAccess::ReadWrite);

// The bound for inputs that are not databases (listing pages, JSON, CSV, name lists):
// no real input comes near it, and a device or a runaway file stops there.
inline constexpr size_t kMaxInputFileSize = 64 * 1024 * 1024;

// Reads the whole of the regular file `path`. It is opened without blocking, so a FIFO
// or a device is refused at once instead of hanging. nullopt when the file cannot be
// opened or read, is not a regular file, or holds more than `limit` bytes.
std::optional<std::string> ReadInputFile(const std::string& path, size_t limit = kMaxInputFileSize);

// Opens `path` into `db`: validates and inflates, unpacks and runs the after-open steps.
// Touches only the tables and header, and only on Ok; the document state (open flag,
// path, modified flag) is the caller's.
OpenResult LoadDatabaseFile(Database& db, const std::string& path,
                            FileAccess access = FileAccess::ReadWrite);

enum class Backup {
    None,
    // Before the new file takes the target's place, the old one (if any) becomes
    // `target` + ".bak", replacing an older backup; the save fails when it cannot.
    KeepOld,
};

// The name of the backup of `path`: "NAME.sdx" keeps its old self as "NAME.sdx.bak".
std::string BackupPath(const std::string& path);

// Writes `bytes` to a new file beside `path`, in chunks of kWriteChunkSize, and, once
// every byte is written and flushed, renames it over `path` (over the file a symbolic
// link names, when `path` is one). A temporary file left by an interrupted save is
// replaced. Refuses an existing target that is not a regular file or not writable, as
// writing it in place would fail. On false `path` is exactly as it was.
bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                           Backup backup = Backup::None);

inline constexpr size_t kWriteChunkSize = 64 * 1024;
// Test hook: called after each chunk written to the temporary file, with the bytes
// written so far and the total. Null (the default) in the program.
using WriteChunkHook = void (*)(size_t written, size_t total);
void SetWriteChunkHook(WriteChunkHook hook);

// Packs, compresses and writes the database to `path`. The old file stays intact unless
// the result is Written.
SaveResult SaveDatabaseFile(Database& db, const std::string& path, Backup backup = Backup::None);

}  // namespace velmora
