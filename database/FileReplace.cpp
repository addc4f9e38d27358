// ReplaceFile: saving a file so that its old content is never lost, whoever else is
// saving it at the same time.

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "database/DatabaseFile.h"
#include "database/FileIo.h"
#include "database/SaveLock.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

WriteChunkHook write_chunk_hook = nullptr;
constexpr const char* kTempSuffix = ".velmora-tmp";

// Whether `path` names the file of status `st` (without following a link).
bool SameFile(const std::string& path, const struct stat& st) {
    struct stat other {};
    return ::lstat(path.c_str(), &other) == 0 && other.st_dev == st.st_dev &&
           other.st_ino == st.st_ino;
}

bool WriteInChunks(int fd, const uint8_t* data, size_t size) {
    for (size_t done = 0; done < size;) {
        const size_t n = std::min(kWriteChunkSize, size - done);
        if (!file_io::WriteAll(fd, data + done, n)) return false;
        done += n;
        if (write_chunk_hook) write_chunk_hook(done, size);
    }
    return true;
}

// A new, empty file of this save's own beside `base`. Inside the save lock that is
// `base` itself: anything there was left by a save that died, and is replaced (a
// leftover that cannot be removed, such as a folder, fails the save). Without the lock
// it is a free name of its own, and every other file is left alone.
int CreateTemp(const std::string& base, bool locked, std::string& name) {
    constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    if (locked) {
        ::unlink(base.c_str());
        name = base;
        return ::open(name.c_str(), kFlags, 0644);
    }
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = base + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(name.c_str(), kFlags, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Gives the new file `fd` the owner, group and mode of `old`. False when the owner or
// group could not be given.
bool TakeOwnership(int fd, const struct stat& old) {
    struct stat mine {};
    if (::fstat(fd, &mine) != 0) return false;
    if (mine.st_uid != old.st_uid || mine.st_gid != old.st_gid) {
        const uid_t uid = mine.st_uid == old.st_uid ? static_cast<uid_t>(-1) : old.st_uid;
        const gid_t gid = mine.st_gid == old.st_gid ? static_cast<gid_t>(-1) : old.st_gid;
        if (::fchown(fd, uid, gid) != 0) return false;
    }
    // After fchown, which clears the set-id bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the names created or renamed in the folder of `path` survive a power cut.
void SyncDirectory(const std::string& path) {
    const std::string dir = fs::path(path).parent_path().string();
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes `content` to a new file of this save's own beside `base`, like `old` in owner
// (where allowed) and mode, and flushes it. `name` receives its name.
bool WriteCopy(const std::string& base, const struct stat& old, const std::string& content,
               bool locked, std::string& name) {
    const int fd = CreateTemp(base, locked, name);
    if (fd < 0) return false;
    TakeOwnership(fd, old);
    const bool ok =
        file_io::WriteAll(fd, reinterpret_cast<const uint8_t*>(content.data()), content.size()) &&
        ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok) {
        ::unlink(name.c_str());
        return false;
    }
    return true;
}

// A second name `name` for `path`, free beside `base` (see CreateTemp).
bool LinkTemp(const std::string& path, const std::string& base, bool locked, std::string& name) {
    if (locked) {
        ::unlink(base.c_str());
        name = base;
        return ::link(path.c_str(), name.c_str()) == 0;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = base + "-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        if (::link(path.c_str(), name.c_str()) == 0) return true;
        if (errno != EEXIST) return false;
    }
    return false;
}

// Makes `backup` hold what `path` holds now. Without `content` it becomes a second name
// for the same file where the file system allows it (the save then renames a new file
// over `path`, never writing into the old one); with `content` (the file is about to be
// rewritten in place) or where links fail, a copy. The old backup is replaced in one
// rename.
bool KeepBackup(const std::string& path, const std::string& backup, const struct stat& old,
                const std::string* content, bool locked) {
    // A backup that is already a second name of the file holds what it holds now.
    if (!content && SameFile(backup, old)) return true;
    const std::string base = backup + kTempSuffix;
    std::string temp;
    bool placed = !content && LinkTemp(path, base, locked, temp);
    if (!placed) {
        std::optional<std::string> read;
        if (!content) read = ReadInputFile(path);
        const std::string* copy = content ? content : read ? &*read : nullptr;
        placed = copy && WriteCopy(base, old, *copy, locked, temp);
    }
    if (!placed) return false;
    const bool renamed = std::rename(temp.c_str(), backup.c_str()) == 0;
    // A rename onto a name of the same file does nothing and leaves `temp`; it is ours
    // either way.
    ::unlink(temp.c_str());
    if (!renamed) return false;
    SyncDirectory(backup);
    return true;
}

enum class Written { Done, Failed, NotOwned };

// The usual save: a new file beside `path`, renamed over it once complete.
Written WriteBeside(const std::string& path, const struct stat* old,
                    const std::vector<uint8_t>& bytes, Backup backup, bool locked,
                    FileStamp& stamp) {
    std::string temp;
    const int fd = CreateTemp(path + kTempSuffix, locked, temp);
    if (fd < 0) return Written::Failed;
    if (old && !TakeOwnership(fd, *old)) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Written::NotOwned;
    }
    struct stat st {};
    const bool ok =
        WriteInChunks(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0 && ::fstat(fd, &st) == 0;
    if (::close(fd) != 0 || !ok ||
        (old && backup == Backup::KeepOld &&
         !KeepBackup(path, BackupPath(path), *old, nullptr, locked)) ||
        std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return Written::Failed;
    }
    SyncDirectory(path);
    stamp = file_io::StampOf(st, bytes.data(), bytes.size());
    return Written::Done;
}

// Makes the open file `fd` hold exactly `data`, flushed.
bool Overwrite(int fd, const uint8_t* data, size_t size, size_t old_size, bool report_chunks) {
    // Claiming the space first keeps a full disk from stopping the write halfway.
    if (size > old_size && ::fallocate(fd, 0, 0, static_cast<off_t>(size)) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return false;
    if (::lseek(fd, 0, SEEK_SET) != 0) return false;
    const bool written =
        report_chunks ? WriteInChunks(fd, data, size) : file_io::WriteAll(fd, data, size);
    return written && ::ftruncate(fd, static_cast<off_t>(size)) == 0 && ::fsync(fd) == 0;
}

// The save of a file that must keep its inode: with more than one name, or with an owner
// a new file could not be given. Its content is put in a safe place first.
bool WriteInPlace(const std::string& path, const struct stat& old,
                  const std::vector<uint8_t>& bytes, Backup backup, bool locked, FileStamp& stamp) {
    struct stat st {};
    const int fd = file_io::OpenRegularFile(path, O_RDWR | O_NOFOLLOW, st);
    if (fd < 0) return false;
    // Savers that reach this file through another of its names take another lock file;
    // the file itself is never replaced here, so a lock on it holds them off.
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    std::string content;
    std::string safety;  // the copy to remove once the new content is in
    const bool ready =
        st.st_dev == old.st_dev && st.st_ino == old.st_ino &&
        file_io::ReadUpTo(fd, kMaxInputFileSize + 1, static_cast<size_t>(st.st_size), content) &&
        content.size() <= kMaxInputFileSize &&
        (backup == Backup::KeepOld ? KeepBackup(path, BackupPath(path), st, &content, locked)
                                   : WriteCopy(path + kTempSuffix, st, content, locked, safety));
    if (!ready) {
        ::close(fd);
        return false;
    }
    if (!safety.empty()) SyncDirectory(safety);
    bool ok = Overwrite(fd, bytes.data(), bytes.size(), content.size(), true);
    bool intact = ok;
    if (!ok) {
        intact = Overwrite(fd, reinterpret_cast<const uint8_t*>(content.data()), content.size(),
                           content.size(), false);
    }
    struct stat now {};
    ok = ::fstat(fd, &now) == 0 && ok;
    ::close(fd);
    // A copy of a file that did not end up whole stays, as the one intact copy.
    if (intact && !safety.empty()) ::unlink(safety.c_str());
    if (ok) stamp = file_io::StampOf(now, bytes.data(), bytes.size());
    return ok;
}

}  // namespace

void SetWriteChunkHook(WriteChunkHook hook) {
    write_chunk_hook = hook;
}

SaveResult ReplaceFile(const std::string& link_or_path, const std::vector<uint8_t>& bytes,
                       Backup backup, SaveGuard* guard) {
    const std::optional<std::string> resolved = file_io::FollowLinks(link_or_path);
    if (!resolved) return SaveResult::CannotCreate;
    const std::string& path = *resolved;
    // An edit that read the file under the lock still holds it (EditDatabaseFile).
    std::optional<SaveLock> own_lock;
    const SaveLock& lock = guard && guard->held_lock ? *guard->held_lock : own_lock.emplace(path);

    struct stat st {};
    const bool exists = ::lstat(path.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return SaveResult::CannotCreate;
    if (exists && (!S_ISREG(st.st_mode) || ::access(path.c_str(), W_OK) != 0))
        return SaveResult::CannotCreate;
    if (exists && guard && guard->expected && StampFile(path) != guard->expected)
        return SaveResult::ChangedOnDisk;

    FileStamp stamp;
    // A second name that is our own backup (left by a save that died between its two
    // renames) is no reason to write in place: that would make the backup the new file.
    const nlink_t names = exists ? st.st_nlink - (SameFile(BackupPath(path), st) ? 1 : 0) : 0;
    bool in_place = names > 1;
    if (!in_place) {
        switch (WriteBeside(path, exists ? &st : nullptr, bytes, backup, lock.held(), stamp)) {
            case Written::Done:
                break;
            case Written::Failed:
                return SaveResult::CannotCreate;
            case Written::NotOwned:
                in_place = true;
                break;
        }
    }
    if (in_place && !WriteInPlace(path, st, bytes, backup, lock.held(), stamp))
        return SaveResult::CannotCreate;
    if (guard) guard->written = stamp;
    return SaveResult::Written;
}

}  // namespace velmora
