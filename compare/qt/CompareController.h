#pragma once
// The comparison window of the editor: "Compare With..." opens it over a second database
// (read-only, never saved); its "Copy to this database" runs as a command of the main
// window over the window's selection. It diffs again after every finished step of the
// document.

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "commands/CommandContext.h"
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
    // The controller is a child of `frame`; `run` runs the window's commands there.
    CompareController(CVelmoraDoc& doc, CLeftView& tree, CVelmoraView& list, QWidget* frame,
                      WindowCommandSink run);
    ~CompareController() override;

    void CompareWith();
    // Called with the window when it is made, before it is first shown: places it.
    void SetWindowPlacer(std::function<void(QWidget*)> place) { place_ = std::move(place); }
    // DocumentObserver: diffs again when the tables changed, keeping the selection.
    void StepFinished(DocumentStep step) override;
    // Copies what the window's selected rows differ in: the records only the other side
    // holds, the fields of changed ones (only `field` when one is named).
    void CopySelected(const std::string& field = {});
    // The pop-up menu of the selected rows: copy all their fields, or one of them.
    std::unique_ptr<QMenu> BuildCopyMenu();
    // Shows the record of row `row` in the main window (the user clicked it).
    void ShowRecord(int row);

    CompareWindow* window() const { return window_; }
    const std::vector<CompareRow>& rows() const { return rows_; }

private:
    // Diffs again when the database here changed since the last diff.
    void Refresh(bool always);
    // The copy is offered only when the selection holds something it can take; when not,
    // the status bar says why (`tell`: the user changed the selection).
    void UpdateCopy(bool tell);

    CVelmoraDoc& doc_;
    CLeftView& tree_;
    CVelmoraView& list_;
    QWidget* frame_;
    WindowCommandSink run_;
    std::function<void(QWidget*)> place_;
    QPointer<CompareWindow> window_;
    std::unique_ptr<Database> there_;
    std::string there_path_;
    std::unique_ptr<DatabaseTables> compared_;  // the tables here as last compared
    std::vector<CompareRow> rows_;
};

}  // namespace velmora
