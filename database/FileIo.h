#pragma once
// Small POSIX steps shared by the file layer's reading and saving.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>

#include "database/DatabaseFile.h"

namespace velmora::file_io {

// Opens `path` with `flags` and only when it is a regular file; -1 otherwise. The open
// never blocks, so a FIFO or a device is refused at once. `st` receives its status.
int OpenRegularFile(const std::string& path, int flags, struct stat& st);

// Reads from `fd`'s offset until its end or until `max` bytes are in `out`; false on a
// read error. `expected` (the file's size) sizes the first allocation.
template <typename Buffer>
bool ReadUpTo(int fd, size_t max, size_t expected, Buffer& out) {
    out.resize(std::min(expected + 1, max));
    size_t got = 0;
    for (;;) {
        if (got == out.size()) {
            if (got == max) break;
            out.resize(std::min(std::max<size_t>(out.size() * 2, 4096), max));
        }
        const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    out.resize(got);
    return true;
}

// The stamp of a file of status `st` holding `data`.
FileStamp StampOf(const struct stat& st, const void* data, size_t size);

bool WriteAll(int fd, const uint8_t* data, size_t size);

// The file a save writes: `path`, or through symbolic links the file they name, also one
// that does not exist yet. nullopt for a loop of links.
std::optional<std::string> FollowLinks(std::string path);

}  // namespace velmora::file_io
