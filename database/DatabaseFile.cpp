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

}  // namespace

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

OpenResult LoadDatabaseFile(Database& db, const std::string& path, FileAccess access) {
    const auto bytes = ReadDatabaseFileBytes(path, access);
    if (!bytes) return OpenResult::CannotOpen;
    if (!ReadDatabase(db, *bytes)) return OpenResult::NotValid;
    UnpackSections(db);
    RunAfterOpenSteps(db);
    return OpenResult::Ok;
}

bool ReplaceFileAtomically(const std::string& link_or_path, const std::vector<uint8_t>& bytes) {
    // Through a symbolic link the file it names is replaced, not the link.
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(link_or_path, error);
    const std::string path = error ? link_or_path : resolved.string();
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0)) return false;
    const std::string temp = path + ".velmora-tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    if (exists) ::fchmod(fd, st.st_mode & 07777);  // the replacement keeps the file's mode
    const bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

SaveResult SaveDatabaseFile(Database& db, const std::string& path) {
    const auto image = WriteDatabase(db);
    if (!image) return SaveResult::NothingToWrite;
    return ReplaceFileAtomically(path, *image) ? SaveResult::Written : SaveResult::CannotCreate;
}

}  // namespace velmora
