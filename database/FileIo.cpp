#include "database/FileIo.h"

#include <fcntl.h>
#include <limits.h>
#include <zlib.h>

#include <filesystem>

namespace velmora::file_io {

int OpenRegularFile(const std::string& path, int flags, struct stat& st) {
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

FileStamp StampOf(const struct stat& st, const void* data, size_t size) {
    FileStamp stamp;
    stamp.size = static_cast<uint64_t>(st.st_size);
    stamp.modified_ns = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto* bytes = static_cast<const Bytef*>(data);
    // crc32 takes a uInt length: feed it in pieces.
    for (size_t done = 0; done < size;) {
        const size_t n = std::min<size_t>(size - done, 1u << 30);
        crc = crc32(crc, bytes + done, static_cast<uInt>(n));
        done += n;
    }
    stamp.hash = static_cast<uint32_t>(crc);
    return stamp;
}

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

std::optional<std::string> FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<size_t>(n) >= target.size()) return std::nullopt;
        target.resize(static_cast<size_t>(n));
        namespace fs = std::filesystem;
        path = fs::path(target).is_absolute() ? target
                                              : (fs::path(path).parent_path() / target).string();
    }
    return std::nullopt;
}

}  // namespace velmora::file_io
