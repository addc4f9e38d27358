#pragma once
// Runs the comparison commands in the editor: "Compare With..." opens the comparison
// window over a second database (read-only, never saved), "Apply Order From..." orders
// the channel tables; the window's "Copy to this database" copies records across. Each
// change is one undo step of the document.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "compare/CompareCommands.h"
#include "compare/CompareRows.h"
#include "compare/qt/CompareWindow.h"
#include "database/CVelmoraDoc.h"

class QStatusBar;

namespace velmora {

class CLeftView;
class CVelmoraView;

class CompareController : public QObject {
    Q_OBJECT
public:
    // `changed` runs after every change to the database here (the frame updates its
    // commands' states). The controller is a child of `frame`.
    CompareController(CVelmoraDoc& doc, CLeftView& tree, CVelmoraView& list, QWidget* frame,
                      QStatusBar* status, std::function<void()> changed);
    ~CompareController() override;

    static bool IsCommand(int id) { return id == kCmdCompareWith || id == kCmdApplyOrderFrom; }
    void Run(int id);

    void CompareWith();
    void ApplyOrderFrom();
    // Copies the records of the window's selected rows that only the other side holds.
    void CopySelected();
    // Shows the record of row `row` in the main window: the satellite or transponder in
    // the tree, the channel selected in its full list.
    void ShowRecord(int row);

    CompareWindow* window() const { return window_; }
    const std::vector<CompareRow>& rows() const { return rows_; }

private:
    // Diffs again when the database here changed since the last diff.
    void Refresh(bool always);
    // Shows the changed tables in the list, and in the tree when satellites or
    // transponders may have changed.
    void RefreshViews(bool tree_changed);

    CVelmoraDoc& doc_;
    CLeftView& tree_;
    CVelmoraView& list_;
    QWidget* frame_;
    QStatusBar* status_;
    std::function<void()> changed_;
    QPointer<CompareWindow> window_;
    std::unique_ptr<Database> there_;
    std::string there_path_;
    std::unique_ptr<DatabaseTables> compared_;  // the tables here as last compared
    std::vector<CompareRow> rows_;
};

}  // namespace velmora
