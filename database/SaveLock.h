#pragma once
// The advisory lock that serialises every save of one file, across processes.
//
// The lock is taken on "NAME.velmora-lock" beside the file, never on the file itself: a
// save renames a new file over NAME, so a lock on NAME's inode would be left behind on the
// replaced file while the next saver locks the new one. The lock file is removed when the
// save ends; a saver that was waiting on a removed lock file notices (its inode is no
// longer the one under that name) and locks the current one instead.

#include <string>

namespace velmora {

class SaveLock {
public:
    // Blocks until the lock of `target` (the file a save writes, links already followed)
    // is held. Not held when the lock file cannot be created or the file system has no
    // locks; the save then goes ahead without it.
    explicit SaveLock(const std::string& target);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    // While held, no other save of the target runs: whatever a save leaves beside the
    // target is a dead save's leftover.
    bool held() const { return fd_ >= 0; }

private:
    std::string path_;
    int fd_ = -1;
};

// The name of the lock file of `target`.
std::string SaveLockPath(const std::string& target);

}  // namespace velmora
