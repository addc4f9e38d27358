#pragma once
// The comparison window of the editor: "Compare With..." opens it over a second database
// (read-only, never saved); its "Copy to this database" copies records across as one undo
// step of the document, recorded through the main window. It diffs again after every
// finished step of the document.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "commands/CommandIds.h"
#include "compare/CompareCommands.h"
#include "compare/CompareRows.h"
#include "compare/qt/CompareWindow.h"
#include "database/CVelmoraDoc.h"

namespace velmora {

class CLeftView;
class CVelmoraView;

class CompareController : public QObject, public DocumentObserver {
    Q_OBJECT
public:
    // Runs a change of the tables as one undo step named `label` and shows the result.
    using RecordChange =
        std::function<void(const char* label, const std::function<bool(Database&)>&)>;

    // The controller is a child of `frame`.
    CompareController(CVelmoraDoc& doc, CLeftView& tree, CVelmoraView& list, QWidget* frame,
                      RecordChange record);
    ~CompareController() override;

    void CompareWith();
    // Called with the window when it is made, before it is first shown: places it.
    void SetWindowPlacer(std::function<void(QWidget*)> place) { place_ = std::move(place); }
    // DocumentObserver: diffs again when the tables changed, keeping the selection.
    void StepFinished(DocumentStep step) override;
    // Copies the records of the window's selected rows that only the other side holds.
    void CopySelected();
    // Shows the record of row `row` in the main window (the user clicked it).
    void ShowRecord(int row);

    CompareWindow* window() const { return window_; }
    const std::vector<CompareRow>& rows() const { return rows_; }

private:
    // Diffs again when the database here changed since the last diff.
    void Refresh(bool always);

    CVelmoraDoc& doc_;
    CLeftView& tree_;
    CVelmoraView& list_;
    QWidget* frame_;
    RecordChange record_;
    std::function<void(QWidget*)> place_;
    QPointer<CompareWindow> window_;
    std::unique_ptr<Database> there_;
    std::string there_path_;
    std::unique_ptr<DatabaseTables> compared_;  // the tables here as last compared
    std::vector<CompareRow> rows_;
};

}  // namespace velmora
