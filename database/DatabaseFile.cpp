#include "database/DatabaseFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "database/FileIo.h"
#include "database/SdxFile.h"
#include "database/Upkeep.h"

namespace velmora {

std::string BackupPath(const std::string& path) {
    return path + ".bak";
}

std::optional<std::vector<uint8_t>> ReadDatabaseFileBytes(const std::string& path,
                                                          FileAccess access, FileStamp* stamp) {
    struct stat st {};
    const int fd =
        file_io::OpenRegularFile(path, access == FileAccess::ReadWrite ? O_RDWR : O_RDONLY, st);
    if (fd < 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    const bool ok =
        file_io::ReadUpTo(fd, kMaxSdxFileSize + 1, static_cast<size_t>(st.st_size), bytes);
    ::close(fd);
    if (!ok) return std::nullopt;
    if (stamp) *stamp = file_io::StampOf(st, bytes.data(), bytes.size());
    return bytes;
}

std::optional<FileStamp> StampFile(const std::string& path) {
    FileStamp stamp;
    if (!ReadDatabaseFileBytes(path, FileAccess::ReadOnly, &stamp)) return std::nullopt;
    return stamp;
}

std::optional<std::string> ReadInputFile(const std::string& path, size_t limit) {
    struct stat st {};
    const int fd = file_io::OpenRegularFile(path, O_RDONLY, st);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    // One byte past the limit tells a file that is too long from one that just fits.
    const bool ok = static_cast<uint64_t>(st.st_size) <= limit &&
                    file_io::ReadUpTo(fd, limit + 1, static_cast<size_t>(st.st_size), bytes) &&
                    bytes.size() <= limit;
    ::close(fd);
    if (!ok) return std::nullopt;
    return bytes;
}

bool ReadInputFileInBlocks(const std::string& path,
                           const std::function<bool(std::string_view)>& on_block, size_t limit) {
    struct stat st {};
    const int fd = file_io::OpenRegularFile(path, O_RDONLY, st);
    if (fd < 0) return false;
    bool ok = static_cast<uint64_t>(st.st_size) <= limit;
    std::vector<char> block(64 * 1024);
    for (size_t total = 0; ok;) {
        const ssize_t n = ::read(fd, block.data(), block.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        total += static_cast<size_t>(n);
        // A file that grew past the limit while being read is refused as a longer one is.
        if (total > limit) {
            ok = false;
            break;
        }
        if (!on_block(std::string_view(block.data(), static_cast<size_t>(n)))) break;
    }
    ::close(fd);
    return ok;
}

OpenResult LoadDatabaseFile(Database& db, const std::string& path, FileAccess access,
                            FileStamp* stamp) {
    FileStamp read_stamp;
    const auto bytes = ReadDatabaseFileBytes(path, access, &read_stamp);
    if (!bytes) return OpenResult::CannotOpen;
    if (!ReadDatabase(db, *bytes)) return OpenResult::NotValid;
    UnpackSections(db);
    RunAfterOpenSteps(db);
    if (stamp) *stamp = read_stamp;
    return OpenResult::Ok;
}

SaveResult SaveDatabaseFile(Database& db, const std::string& path, Backup backup,
                            SaveGuard* guard) {
    const auto image = WriteDatabase(db);
    if (!image) return SaveResult::NothingToWrite;
    return ReplaceFile(path, *image, backup, guard);
}

}  // namespace velmora
