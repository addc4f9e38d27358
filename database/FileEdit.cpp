#include "database/FileEdit.h"

#include <memory>

#include "database/FileIo.h"
#include "database/SaveLock.h"

namespace velmora {

FileEditResult EditDatabaseFile(const std::string& path, const DatabaseChange& change,
                                Backup backup) {
    FileEditResult result;
    const std::optional<std::string> target = file_io::FollowLinks(path);
    if (!target) {
        result.opened = OpenResult::CannotOpen;
        return result;
    }
    // The lock is held from before the read to after the write: an edit that waited
    // reads what the one before it wrote.
    const SaveLock lock(*target);
    auto db = std::make_unique<Database>();
    result.opened = LoadDatabaseFile(*db, *target, FileAccess::ReadWrite);
    if (result.opened != OpenResult::Ok) return result;
    result.change = change(*db);
    if (result.change != EditChange::Made) return result;
    SaveGuard guard;
    guard.held_lock = &lock;
    result.saved = SaveDatabaseFile(*db, *target, backup, &guard);
    return result;
}

}  // namespace velmora
