#pragma once
// The one document of the program: it owns the database and runs the file commands
// New, Open, Save, Save As and Close, and the main window's close handling. Everything
// it shows or asks goes through the Prompter and FileChooser; what the windows must
// redraw goes through DocumentViews.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"
#include "database/DatabaseFile.h"
#include "database/Interaction.h"
#include "database/UndoHistory.h"
#include "text/Translate.h"

namespace velmora {

// Texts of the file commands, in English; shown through Translate("database", ...).
inline constexpr std::string_view kMsgCannotOpen =
    VT_TR_NOOP("database", "Can't not open the file!");
inline constexpr std::string_view kMsgNotValid =
    VT_TR_NOOP("database", "This file is not a correct file,please select another!");
inline constexpr std::string_view kMsgCannotSave = VT_TR_NOOP("database", "Can not save file!");
inline constexpr std::string_view kMsgCannotSaveAs =
    VT_TR_NOOP("database", "Can't not save the file\n");
inline constexpr std::string_view kMsgSaveChanges =
    VT_TR_NOOP("database", "Do you want to save changed data ?");
inline constexpr std::string_view kMsgChangedOnDisk =
    VT_TR_NOOP("database", "The file has changed on disk since it was opened. Overwrite it?");
inline constexpr std::string_view kNewDialogTitle = VT_TR_NOOP("database", "New File");
inline constexpr std::string_view kOpenDialogTitle = VT_TR_NOOP("database", "Select File");
inline constexpr std::string_view kNewFilter =
    //: File types as label|patterns pairs: translate the labels, keep every | and pattern.
    VT_TR_NOOP("database", "SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||");
inline constexpr std::string_view kOpenFilter =
    //: File types as label|patterns pairs: translate the labels, keep every | and pattern.
    VT_TR_NOOP("database", "SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||");
inline constexpr std::string_view kOpenTitlePrefix = "Velmora --- ";
inline constexpr std::string_view kClosedTitle = "Velmora ";

// What the document tells the main window beside its steps.
class DocumentViews {
public:
    virtual ~DocumentViews() = default;
    virtual void SetTitle(const std::string& title) = 0;
    // A file was opened or written: the recent-file list may record it.
    virtual void FileUsed(const std::string& /*path*/) {}
};

// A finished step of the document: a command that changed the tables, Undo, Redo, or a
// database opened (New, Open) or closed.
enum class DocumentStep { Command, Undo, Redo, Open, Close };

// Told once after each finished step; shows the document again, keeping its selection.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void StepFinished(DocumentStep step) = 0;
};

// New: the chosen path with ".sdx" appended unless it already ends in ".sdx" or ".SDX".
std::string NewFilePath(const std::string& chosen);
// Save As: the chosen path with ".sdx" appended unless ".sdx" or ".SDX" occurs anywhere.
std::string SaveAsFilePath(const std::string& chosen);

class CVelmoraDoc {
public:
    CVelmoraDoc(Prompter& prompter, FileChooser& chooser);
    CVelmoraDoc(const CVelmoraDoc&) = delete;
    CVelmoraDoc& operator=(const CVelmoraDoc&) = delete;

    // The tables as they are; only a recorded step (Record) changes them.
    const Database& db() const { return *db_; }
    Prompter& prompter() { return prompter_; }
    FileChooser& chooser() { return chooser_; }
    void SetViews(DocumentViews* views) { views_ = views; }
    // Every observer hears of every finished step, in the order they were added.
    void AddObserver(DocumentObserver* observer) { observers_.push_back(observer); }
    void RemoveObserver(DocumentObserver* observer) { std::erase(observers_, observer); }
    // The undo steps of the open database: emptied by Open, New and Close, and told by
    // every successful write that the file now holds the current state.
    UndoHistory& history() { return history_; }
    const UndoHistory& history() const { return history_; }

    // Runs `change(Database&)` as one undo step named `label`: the tables as they were
    // before it ran become the step when it changed them. The only way to the writable
    // tables, so nothing changes them outside a step.
    template <typename Change>
    auto Record(const std::string& label, Change&& change) {
        history_.Begin(*db_);
        struct CommitOnExit {
            CVelmoraDoc& doc;
            const std::string& label;
            ~CommitOnExit() {
                if (doc.history_.Commit(*doc.db_, label)) doc.Announce(DocumentStep::Command);
            }
        } commit{*this, label};
        return change(*db_);
    }
    // Undo and Redo of the last step (while a database is open); false when there was
    // none.
    bool Undo() { return IsOpen() && history_.Undo(*db_) && Announce(DocumentStep::Undo); }
    bool Redo() { return IsOpen() && history_.Redo(*db_) && Announce(DocumentStep::Redo); }

    // Whether the tables differ from what the file holds: the undo history is not at the
    // state last opened or written.
    bool IsModified() const { return IsOpen() && !history_.AtSavedState(); }
    bool IsOpen() const { return db_->database_open; }

    // New: asks for a file, resets the database and writes it there so that the file is
    // a valid database from the start. True when the database is open afterwards (also
    // when the write failed; the database then stays modified and the user was told).
    bool OnFileNew();
    // Open: asks for a file and opens it (OpenPath). False when cancelled or refused.
    bool OnFileOpen();
    // The Open steps for a known path (command line, recent-file list). Refused while a
    // database is open. Tells the user once why a file cannot be opened; the tables are
    // untouched then and no database is open.
    bool OpenPath(const std::string& path);
    // Save: writes the database to its path when it is modified. True when nothing needed
    // saving or the file was written; false (with "Can not save file!", the file on disk
    // intact and the database still modified) when it could not be written. When another
    // program has written the file since it was opened or saved here, asks first; No
    // writes nothing and returns false.
    bool OnFileSave();
    // Save As: asks for a path and writes there; the path and title change only when the
    // file was written. False when cancelled or not written ("Can't not save the file").
    bool OnFileSaveAs();
    // Close: asks about unsaved changes (Yes saves). False, with the database still open
    // and modified, when that save failed. Otherwise the database is closed.
    bool OnFileClose();
    // The main window's close: asks about unsaved changes. True when the program may
    // end; false when the user's changes could not be saved.
    bool CanCloseFrame();

    // The folder New and Open start in while no file is open: that of the file last
    // opened or written (`path` names a file).
    void RememberFolderOf(const std::string& path);
    // Where the file dialogs start: the open file's folder, else the one remembered.
    std::string StartFolder() const;

private:
    // Tells every observer; true, for use in a condition.
    bool Announce(DocumentStep step);
    // Save step shared by Save, Close and the window's close.
    bool SaveToPath();
    // Writes to the document's own path; the first write after Open or New keeps the file
    // that was there as NAME.bak, so a user can go back to what he opened. Asks before
    // overwriting a file changed on disk; ChangedOnDisk when the user said No.
    SaveResult SaveOwnFile();
    bool AskSaveChanges();
    void SetTitleFor(const std::string& path);

    Prompter& prompter_;
    FileChooser& chooser_;
    DocumentViews* views_ = nullptr;
    std::vector<DocumentObserver*> observers_;
    std::unique_ptr<Database> db_;
    UndoHistory history_;
    bool backup_pending_ = false;
    // What the document's file held when it was last opened or written here.
    std::optional<FileStamp> disk_stamp_;
    std::string last_folder_;
};

}  // namespace velmora
