#pragma once
// Reading a database file from disk and saving one without ever destroying the file
// that is already there.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"

namespace velmora {

class SaveLock;

enum class OpenResult {
    Ok,
    CannotOpen,  // missing, unreadable, not writable, or not a regular file
    NotValid,    // the file is not a correct .sdx file
};

enum class SaveResult {
    Written,
    CannotCreate,    // the target (or the file beside it) could not be created or written
    NothingToWrite,  // the payload does not compress to a stream shorter than itself
    ChangedOnDisk,   // the file is no longer the one the save expected; nothing written
};

enum class FileAccess {
    ReadWrite,  // the editor's Open: a file it could not save back is refused
    ReadOnly,   // inspection only
};

// What a file held when it was read or written: enough to tell whether anyone has
// written it since.
struct FileStamp {
    uint64_t size = 0;
    int64_t modified_ns = 0;  // modification time
    uint32_t hash = 0;        // CRC-32 of the bytes
    bool operator==(const FileStamp&) const = default;
};

// Reads a regular file opened with `access`; nullopt when it cannot be opened. It is
// opened without blocking, so a FIFO or a device is refused at once. Reads at most
// kMaxSdxFileSize + 1 bytes: anything longer is no database, and that one extra byte is
// enough for the reader to refuse it. `stamp`, when given, receives the file's stamp.
std::optional<std::vector<uint8_t>> ReadDatabaseFileBytes(const std::string& path,
                                                          FileAccess access = FileAccess::ReadWrite,
                                                          FileStamp* stamp = nullptr);

// The bound for inputs that are not databases (listing pages, JSON, CSV, name lists):
// no real input comes near it, and a device or a runaway file stops there.
inline constexpr size_t kMaxInputFileSize = 64 * 1024 * 1024;

// Reads the whole of the regular file `path`. It is opened without blocking, so a FIFO
// or a device is refused at once instead of hanging. nullopt when the file cannot be
// opened or read, is not a regular file, or holds more than `limit` bytes.
std::optional<std::string> ReadInputFile(const std::string& path, size_t limit = kMaxInputFileSize);

// Reads the file as ReadInputFile does, but hands it to `on_block` in blocks of 64 KiB, so
// that no reader holds the whole of it; `on_block` returns false to stop reading. False
// when the file cannot be opened or read or is longer than `limit`.
bool ReadInputFileInBlocks(const std::string& path,
                           const std::function<bool(std::string_view)>& on_block,
                           size_t limit = kMaxInputFileSize);

// The stamp of the file at `path` as it is now; nullopt when it cannot be read.
std::optional<FileStamp> StampFile(const std::string& path);

// Opens `path` into `db`: validates and inflates, unpacks and runs the after-open steps.
// Touches only the tables and header, and only on Ok; the document state (open flag,
// path, modified flag) is the caller's. On Ok `stamp`, when given, tells what the file
// held.
OpenResult LoadDatabaseFile(Database& db, const std::string& path,
                            FileAccess access = FileAccess::ReadWrite, FileStamp* stamp = nullptr);

enum class Backup {
    None,
    // Before the new file takes the target's place, the old one (if any) becomes
    // `target` + ".bak", replacing an older backup; the save fails when it cannot.
    KeepOld,
};

// The name of the backup of `path`: "NAME.sdx" keeps its old self as "NAME.sdx.bak".
std::string BackupPath(const std::string& path);

// What a save checks before it writes, and what it tells once it has written.
struct SaveGuard {
    // When set, the save writes nothing and returns ChangedOnDisk unless the target is
    // still the file this stamp describes. A target that no longer exists is written.
    std::optional<FileStamp> expected;
    // The written file's stamp, set when the save returns Written.
    FileStamp written;
    // The save lock of the target, when the caller holds it already (it read the file
    // under it, see EditDatabaseFile); the save then takes no lock of its own.
    const SaveLock* held_lock = nullptr;
};

// Saves `bytes` as the file `path` so that, whatever happens meanwhile (a crash, a full
// disk, another program saving the same file), `path` holds either its old content or
// the whole of the new one:
// - Through symbolic links the file they name is written, even one that does not exist
//   yet; the links stay.
// - Saves of one file, by any process, run one after the other (SaveLock). Inside the
//   lock the save writes `NAME.velmora-tmp` beside the file (a leftover of a dead save
//   is replaced), in chunks of kWriteChunkSize, flushes it and renames it over `path`.
//   Without a lock it writes a temporary file of a name of its own and removes no other.
// - The new file gets the old one's mode, owner and group. When the old file has more
//   than one name, or its owner and group cannot be given to a new file, its content is
//   first copied to a safe place (NAME.bak with Backup::KeepOld, else a temporary file
//   removed afterwards) and then rewritten in place, so every name sees the new content.
// Refuses an existing target that is not a regular file or not writable. On any result
// but Written `path` is exactly as it was.
SaveResult ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes,
                       Backup backup = Backup::None, SaveGuard* guard = nullptr);
inline bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                                  Backup backup = Backup::None) {
    return ReplaceFile(path, bytes, backup) == SaveResult::Written;
}

inline constexpr size_t kWriteChunkSize = 64 * 1024;
// Test hook: called after each chunk written to the temporary file, with the bytes
// written so far and the total. Null (the default) in the program.
using WriteChunkHook = void (*)(size_t written, size_t total);
void SetWriteChunkHook(WriteChunkHook hook);

// Packs, compresses and writes the database to `path` (ReplaceFile). The old file stays
// intact unless the result is Written.
SaveResult SaveDatabaseFile(Database& db, const std::string& path, Backup backup = Backup::None,
                            SaveGuard* guard = nullptr);

}  // namespace velmora
