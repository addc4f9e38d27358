#include "database/DatabaseFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "database/SdxFile.h"
#include "database/Upkeep.h"

namespace velmora {
namespace {

WriteChunkHook write_chunk_hook = nullptr;

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool WriteInChunks(int fd, const std::vector<uint8_t>& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        const size_t n = std::min(kWriteChunkSize, bytes.size() - done);
        if (!WriteAll(fd, bytes.data() + done, n)) return false;
        done += n;
        if (write_chunk_hook) write_chunk_hook(done, bytes.size());
    }
    return true;
}

// A new file for writing at `temp`. Whatever an interrupted save left there is removed
// first, and the name must not be taken again meanwhile (nor be a link to elsewhere).
int CreateFresh(const std::string& temp) {
    ::unlink(temp.c_str());
    return ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

bool CopyFile(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    struct stat st {};
    const int out = ::fstat(in, &st) == 0 ? CreateFresh(to) : -1;
    if (out < 0) {
        ::close(in);
        return false;
    }
    ::fchmod(out, st.st_mode & 07777);
    std::vector<uint8_t> buffer(kWriteChunkSize);
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        if (!WriteAll(out, buffer.data(), static_cast<size_t>(n))) {
            ok = false;
            break;
        }
    }
    ::close(in);
    ok = ok && ::fsync(out) == 0;
    return ::close(out) == 0 && ok;
}

// Makes `backup` hold what `path` holds now: a second name for the same file where the
// file system allows it (the save then renames a new file over `path`, never writing
// into the old one), else a copy. The old backup is replaced in one rename.
bool KeepBackup(const std::string& path, const std::string& backup) {
    const std::string temp = backup + ".velmora-tmp";
    ::unlink(temp.c_str());
    if (::link(path.c_str(), temp.c_str()) != 0 && !CopyFile(path, temp)) {
        ::unlink(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), backup.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

// Makes the renames in `dir` survive a power cut.
void SyncDirectory(const std::string& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void SetWriteChunkHook(WriteChunkHook hook) {
    write_chunk_hook = hook;
}

std::string BackupPath(const std::string& path) {
    return path + ".bak";
}

std::optional<std::vector<uint8_t>> ReadDatabaseFileBytes(const std::string& path,
                                                          FileAccess access) {
    const int fd = ::open(path.c_str(), access == FileAccess::ReadWrite ? O_RDWR : O_RDONLY);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    const size_t want = std::min(static_cast<size_t>(st.st_size), kMaxSdxFileSize + 1);
    std::vector<uint8_t> bytes(want);
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return bytes;
}

std::optional<std::string> ReadInputFile(const std::string& path, size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<uint64_t>(st.st_size) > limit) {
        ::close(fd);
        return std::nullopt;
    }
    // One byte past the limit tells a file that grew since fstat from one that did not.
    std::string bytes(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t got = 0;
    bool ok = true;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > limit) {
                ok = false;
                break;
            }
            bytes.resize(std::min(bytes.size() * 2, limit + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    bytes.resize(got);
    return bytes;
}

OpenResult LoadDatabaseFile(Database& db, const std::string& path, FileAccess access) {
    const auto bytes = ReadDatabaseFileBytes(path, access);
    if (!bytes) return OpenResult::CannotOpen;
    if (!ReadDatabase(db, *bytes)) return OpenResult::NotValid;
    UnpackSections(db);
    RunAfterOpenSteps(db);
    return OpenResult::Ok;
}

bool ReplaceFileAtomically(const std::string& link_or_path, const std::vector<uint8_t>& bytes,
                           Backup backup) {
    // Through a symbolic link the file it names is replaced, not the link.
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(link_or_path, error);
    const std::string path = error ? link_or_path : resolved.string();
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0)) return false;
    const std::string temp = path + ".velmora-tmp";
    const int fd = CreateFresh(temp);
    if (fd < 0) return false;
    if (exists) ::fchmod(fd, st.st_mode & 07777);  // the replacement keeps the file's mode
    const bool ok = WriteInChunks(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok ||
        (exists && backup == Backup::KeepOld && !KeepBackup(path, BackupPath(path))) ||
        std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncDirectory(std::filesystem::path(path).parent_path().string());
    return true;
}

SaveResult SaveDatabaseFile(Database& db, const std::string& path, Backup backup) {
    const auto image = WriteDatabase(db);
    if (!image) return SaveResult::NothingToWrite;
    return ReplaceFileAtomically(path, *image, backup) ? SaveResult::Written
                                                       : SaveResult::CannotCreate;
}

}  // namespace velmora
