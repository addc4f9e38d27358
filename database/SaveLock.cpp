#include "database/SaveLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace velmora {
namespace {

int OpenLockFile(const std::string& path) {
    constexpr int kFlags = O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(path.c_str(), O_RDWR | kFlags, 0666);
    // Another user's lock file may be read-only to us; flock needs no write access.
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_RDONLY | kFlags, 0666);
    return fd;
}

}  // namespace

std::string SaveLockPath(const std::string& target) {
    return target + ".velmora-lock";
}

SaveLock::SaveLock(const std::string& target) : path_(SaveLockPath(target)) {
    for (;;) {
        const int fd = OpenLockFile(path_);
        if (fd < 0) return;
        struct stat locked {};
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            ::close(fd);
            return;
        }
        int result;
        while ((result = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (result != 0) {
            ::close(fd);
            return;
        }
        // The holder before us may have removed the file we waited on; then the lock
        // that counts is the one on the file now under the name.
        struct stat named {};
        if (::lstat(path_.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
            named.st_ino == locked.st_ino) {
            fd_ = fd;
            return;
        }
        ::close(fd);
    }
}

SaveLock::~SaveLock() {
    if (fd_ < 0) return;
    // Removed while still locked, so that nobody can lock this file after us and think
    // he holds the lock.
    ::unlink(path_.c_str());
    ::close(fd_);
}

}  // namespace velmora
