#include "database/CVelmoraDoc.h"

#include <filesystem>

#include "database/DatabaseFile.h"
#include "database/Upkeep.h"

namespace velmora {
namespace {

bool EndsWith(const std::string& s, std::string_view tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::string NewFilePath(const std::string& chosen) {
    if (EndsWith(chosen, ".sdx") || EndsWith(chosen, ".SDX")) return chosen;
    return chosen + ".sdx";
}

std::string SaveAsFilePath(const std::string& chosen) {
    if (chosen.find(".sdx") != std::string::npos || chosen.find(".SDX") != std::string::npos)
        return chosen;
    return chosen + ".sdx";
}

CVelmoraDoc::CVelmoraDoc(Prompter& prompter, FileChooser& chooser)
    : prompter_(prompter), chooser_(chooser), db_(std::make_unique<Database>()) {}

bool CVelmoraDoc::Announce(DocumentStep step) {
    // A copy: an observer may leave while it is told.
    const std::vector<DocumentObserver*> observers = observers_;
    for (DocumentObserver* observer : observers) observer->StepFinished(step);
    return true;
}

void CVelmoraDoc::SetTitleFor(const std::string& path) {
    if (views_) views_->SetTitle(std::string(kOpenTitlePrefix) + path);
}

void CVelmoraDoc::RememberFolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (!folder.empty()) last_folder_ = folder;
}

std::string CVelmoraDoc::StartFolder() const {
    if (IsOpen() && !db_->path_name.empty()) {
        const std::string folder = std::filesystem::path(db_->path_name).parent_path().string();
        if (!folder.empty()) return folder;
    }
    return last_folder_;
}

bool CVelmoraDoc::OnFileNew() {
    if (IsOpen()) return false;
    const auto chosen = chooser_.Choose({.title = Translate("database", kNewDialogTitle.data()),
                                         .filter = Translate("database", kNewFilter.data()),
                                         .folder = StartFolder()});
    if (!chosen) return false;
    Database& db = *db_;
    db.path_name = NewFilePath(*chosen);
    RememberFolderOf(db.path_name);
    ResetToNewDatabase(db);
    db.database_open = true;
    history_.Clear();
    disk_stamp_.reset();  // whatever the chosen file held, New replaces it
    // The file is written at once, so it holds a valid (empty) database rather than
    // nothing; the old file stays intact when that fails, and the database stays
    // modified so that Close and the window's close still offer to save it. A file the
    // user picked by mistake survives as its backup.
    backup_pending_ = true;
    if (SaveOwnFile() == SaveResult::Written) {
        if (views_) views_->FileUsed(db.path_name);
    } else {
        // No file holds this state: it stays modified, and undoing back to it must not
        // look saved.
        history_.MarkUnsaved();
        prompter_.Tell(Translate("database", kMsgCannotSave.data()), Icon::Error);
    }
    SetTitleFor(db.path_name);
    Announce(DocumentStep::Open);
    return true;
}

bool CVelmoraDoc::OnFileOpen() {
    if (IsOpen()) return false;
    const auto chosen = chooser_.Choose({.title = Translate("database", kOpenDialogTitle.data()),
                                         .filter = Translate("database", kOpenFilter.data()),
                                         .folder = StartFolder()});
    if (!chosen) return false;
    return OpenPath(*chosen);
}

bool CVelmoraDoc::OpenPath(const std::string& path) {
    if (IsOpen()) return false;
    Database& db = *db_;
    db.path_name = path;  // a rejected path is kept, as the command always did
    FileStamp stamp;
    switch (LoadDatabaseFile(db, path, FileAccess::ReadWrite, &stamp)) {
        case OpenResult::CannotOpen:
            prompter_.Tell(Translate("database", kMsgCannotOpen.data()));
            return false;
        case OpenResult::NotValid:
            prompter_.Tell(Translate("database", kMsgNotValid.data()), Icon::Error);
            return false;
        case OpenResult::Ok:
            break;
    }
    history_.Clear();
    db.database_open = true;
    backup_pending_ = true;
    disk_stamp_ = stamp;
    RememberFolderOf(path);
    if (views_) views_->FileUsed(path);
    SetTitleFor(path);
    Announce(DocumentStep::Open);
    return true;
}

SaveResult CVelmoraDoc::SaveOwnFile() {
    const Backup backup = backup_pending_ ? Backup::KeepOld : Backup::None;
    SaveGuard guard{disk_stamp_, {}};
    SaveResult result = SaveDatabaseFile(*db_, db_->path_name, backup, &guard);
    if (result == SaveResult::ChangedOnDisk) {
        if (!prompter_.AskYes(Translate("database", kMsgChangedOnDisk.data()))) return result;
        guard.expected.reset();
        result = SaveDatabaseFile(*db_, db_->path_name, backup, &guard);
    }
    if (result == SaveResult::Written) {
        backup_pending_ = false;
        disk_stamp_ = guard.written;
    }
    return result;
}

bool CVelmoraDoc::SaveToPath() {
    Database& db = *db_;
    // A save that writes nothing is a failure too: the modified flag must keep telling
    // the user that the changes exist only in memory. One the user declined needs no
    // message.
    const SaveResult result = SaveOwnFile();
    if (result != SaveResult::Written) {
        if (result != SaveResult::ChangedOnDisk)
            prompter_.Tell(Translate("database", kMsgCannotSave.data()), Icon::Error);
        return false;
    }
    history_.MarkSaved();
    if (views_) views_->FileUsed(db.path_name);
    return true;
}

bool CVelmoraDoc::OnFileSave() {
    if (!IsOpen() || !IsModified()) return true;
    return SaveToPath();
}

bool CVelmoraDoc::OnFileSaveAs() {
    if (!IsOpen()) return false;
    const auto chosen = chooser_.Choose({.save = true,
                                         .title = Translate("database", kOpenDialogTitle.data()),
                                         .filter = Translate("database", kOpenFilter.data()),
                                         .folder = StartFolder()});
    if (!chosen) return false;
    const std::string path = SaveAsFilePath(*chosen);
    Database& db = *db_;
    // Save As onto the opened file itself is its first save as much as Save would be.
    std::error_code error;
    const bool own_file = backup_pending_ && std::filesystem::equivalent(path, db.path_name, error);
    SaveGuard guard;
    if (SaveDatabaseFile(db, path, own_file ? Backup::KeepOld : Backup::None, &guard) !=
        SaveResult::Written) {
        prompter_.Tell(Translate("database", kMsgCannotSaveAs.data()));
        return false;
    }
    disk_stamp_ = guard.written;
    db.path_name = path;
    RememberFolderOf(path);
    backup_pending_ = false;  // the file now named is the one just written
    SetTitleFor(path);
    history_.MarkSaved();
    if (views_) views_->FileUsed(path);
    return true;
}

bool CVelmoraDoc::AskSaveChanges() {
    if (!IsModified()) return true;
    if (prompter_.AskYes(Translate("database", kMsgSaveChanges.data()))) return SaveToPath();
    // No settles the changes: the close that asked drops them, and nothing asks again.
    history_.MarkSaved();
    return true;
}

bool CVelmoraDoc::OnFileClose() {
    if (!IsOpen()) return true;
    if (!AskSaveChanges()) return false;
    Database& db = *db_;
    db.database_open = false;
    history_.Clear();
    disk_stamp_.reset();
    db.path_name.clear();
    if (views_) views_->SetTitle(std::string(kClosedTitle) + db.path_name);
    Announce(DocumentStep::Close);
    return true;
}

bool CVelmoraDoc::CanCloseFrame() {
    return AskSaveChanges();
}

}  // namespace velmora
