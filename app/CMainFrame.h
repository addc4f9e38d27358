#pragma once
// The main window: menu 128, the toolbar with text labels, the status bar with prompts
// and lock-key panes, and a splitter with the tree on the left and the channel list on the
// right. Its menus, toolbar and the list's pop-up menu come from the command table, and
// every trigger ends in RunCommand(id); what a command returns for the views is applied
// in one place (Apply).

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QSplitter>
#include <QToolBar>
#include <functional>
#include <map>
#include <memory>

#include "app/RecentFileList.h"
#include "channels/qt/CVelmoraView.h"
#include "channels/qt/ChannelFindPane.h"
#include "commands/CommandTable.h"
#include "database/CVelmoraDoc.h"
#include "health/qt/CheckWindow.h"
#include "printing/qt/PrintController.h"
#include "satellites/qt/CLeftView.h"

namespace velmora {

class CompareController;

enum class ActivePane { Tree, List };

class CMainFrame : public QMainWindow,
                   public DocumentViews,
                   public DocumentObserver,
                   public FrameActions {
    Q_OBJECT
public:
    // `settings` keeps the recent-file list; without it the list lives for this run only.
    explicit CMainFrame(CVelmoraDoc& doc, std::unique_ptr<QSettings> settings = nullptr,
                        QWidget* parent = nullptr);
    ~CMainFrame() override;

    CVelmoraDoc& doc() { return doc_; }
    CLeftView* leftView() const { return tree_; }
    CVelmoraView* listView() const { return list_; }
    // The right pane: the find field above the channel list.
    ChannelFindPane* findPane() const { return find_pane_; }
    // "N of M channels" while the find field narrows the list, else empty.
    QLabel* findCountPane() const { return find_count_; }
    // "Modified" while the database has unsaved changes, else empty.
    QLabel* modifiedPane() const { return modified_pane_; }
    QSplitter* splitter() const { return splitter_; }
    QToolBar* toolBar() const { return toolbar_; }
    // The action carrying `command_id`, or null.
    QAction* action(int command_id) const;
    RecentFileList& recentFiles() { return recent_; }

    // Runs a command as its menu entry, button, shortcut or the views would: over the
    // tree's selected node and the list's selected rows.
    void RunCommand(int command_id);
    // The same for a window beside the editor, over its own selection too.
    void RunCommand(int command_id, const WindowSelection& selection);
    // Rows dragged onto `target_row` of the list.
    void DropRows(const std::vector<int>& rows, int target_row);
    // Shows what a command (or Undo, Redo) changed.
    void Apply(const ViewEffect& effect);
    // Enabled and checked states of every command, from the command table.
    void UpdateCommandStates();

    // The "Check Database..." window, once it was opened; else null.
    CheckWindow* checkWindow() const { return check_window_; }

    ActivePane activePane() const { return active_pane_; }
    // The dialogs commands open (tests drive them through another host).
    DialogHost& dialogs() { return *dialogs_; }
    void SetDialogHost(std::unique_ptr<DialogHost> host);
    // What runs a command over its context: the command table, or a test's recorder.
    using CommandRunner = std::function<ViewEffect(int id, CommandContext& context)>;
    void SetCommandRunner(CommandRunner runner);
    PrintController& printing() { return printer_; }

    // DocumentViews: what the document tells the main window beside its steps.
    void SetTitle(const std::string& title) override;
    void FileUsed(const std::string& path) override;
    // DocumentObserver: a database opened or closed fills or empties the tree; any other
    // step shows the tables again unless this window runs it (Run applies its effect).
    void StepFinished(DocumentStep step) override;

    // FrameActions: the commands' window-side parts.
    void Print(bool preview) override;
    void PrintSetup() override;
    void ShowAbout() override;
    void Exit() override;
    void SwitchPane() override;
    void FocusFind() override;
    void OpenRecentFile(int index) override;
    void CompareWith() override;
    void ShowCheckWindow() override;

signals:
    // After every command and every Undo or Redo, once the menus show the new state.
    void commandStatesUpdated();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* CommandAction(int id);
    void Run(int id, std::vector<int> rows, int target_row, const WindowSelection& window = {});
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateRecentFileMenu();
    void UpdateLockPanes();
    void SetActivePane(ActivePane pane);
    // Window geometry, splitter position and the list's column order and widths, kept in
    // the settings from one run to the next.
    void RestoreLayout();
    void SaveLayout();
    // Frames and selection colours of both panes after the active one.
    void ShowActivePane();
    void UpdateUndoActions();
    void UpdateFindCount();
    CommandContext Context(std::vector<int> rows, int target_row);
    void ApplyTreeEffect(const TreeEffect& effect);
    void ShowRestoredTables(const ViewEffect& effect);
    void ShowOpenedDatabase();
    void ShowClosedDatabase();
    // After a step this window did not run: every table may have changed.
    void ShowEveryTableAgain();

    CVelmoraDoc& doc_;
    std::unique_ptr<QSettings> settings_;
    RecentFileList recent_;
    QSplitter* splitter_;
    CLeftView* tree_;
    CVelmoraView* list_;
    ChannelFindPane* find_pane_;
    QLabel* find_count_ = nullptr;
    QLabel* modified_pane_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* file_menu_ = nullptr;
    std::array<QAction*, 4> recent_actions_{};
    std::array<QLabel*, 3> lock_panes_{};
    std::map<int, QAction*> actions_;
    std::unique_ptr<DialogHost> dialogs_;
    CommandRunner runner_;
    // While Run runs a command: its steps are shown by the effect it returns.
    bool running_ = false;
    SatelliteTreeState tree_state_;
    PrintController printer_;
    ActivePane active_pane_ = ActivePane::Tree;
    CheckWindow* check_window_ = nullptr;
    CompareController* compare_ = nullptr;
};

}  // namespace velmora
