#pragma once
// The main window: menu 128, the toolbar with text labels, the status bar with prompts
// and lock-key panes, and a splitter with the tree on the left and the channel list on the
// right. It routes every command to the document, the list or the tree; it decides
// nothing itself.

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QSplitter>
#include <QToolBar>
#include <functional>
#include <map>
#include <memory>

#include "app/PrintCommandHooks.h"
#include "app/RecentFileList.h"
#include "channels/qt/CVelmoraView.h"
#include "channels/qt/ChannelFindPane.h"
#include "database/CVelmoraDoc.h"
#include "health/qt/CheckWindow.h"
#include "satellites/qt/CLeftView.h"

namespace velmora {

class CMainFrame : public QMainWindow, public DocumentViews {
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
    QSplitter* splitter() const { return splitter_; }
    QToolBar* toolBar() const { return toolbar_; }
    // The action carrying `command_id`, or null.
    QAction* action(int command_id) const;
    RecentFileList& recentFiles() { return recent_; }

    // Runs a command as its menu entry, button or shortcut would.
    void RunCommand(int command_id);
    // Enabled states of the file commands and the TV/Radio marks, from the document and
    // the list.
    void UpdateCommandStates();

    // Runs `change` (true when it changed the tables) as one undo step named `label`, then
    // shows the changed tables as Undo does.
    void RecordChange(const char* label, const std::function<bool()>& change);
    // The "Check Database..." window, once it was opened; else null.
    CheckWindow* checkWindow() const { return check_window_; }

    ActivePane activePane() const { return active_pane_; }
    void SetPrintCommandHooks(std::unique_ptr<PrintCommandHooks> hooks);

    // DocumentViews: what the document asks of the windows.
    void FillTree() override;
    void ResetTree() override;
    void SetTitle(const std::string& title) override;
    void FileUsed(const std::string& path) override;

signals:
    // After every command and every Undo or Redo, once the menus show the new state.
    void commandStatesUpdated();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddCommand(int id, const char* text, const char* shortcut = nullptr);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateRecentFileMenu();
    void UpdateLockPanes();
    void OpenRecentFile(int index);
    void SwitchPane();
    void ShowAbout();
    // Undo or Redo one step, then show the restored tables with the selection kept.
    void UndoRedo(bool undo);
    // Runs `change`; when it reports a change, rebuilds the tree and the list from the
    // tables, keeping the selected node and rows where they still exist.
    void ShowChangedTables(const std::function<bool()>& change);
    void ShowCheckWindow();
    void UpdateUndoActions();
    void UpdateFindCount();

    CVelmoraDoc& doc_;
    std::unique_ptr<QSettings> settings_;
    RecentFileList recent_;
    QSplitter* splitter_;
    CLeftView* tree_;
    CVelmoraView* list_;
    ChannelFindPane* find_pane_;
    QLabel* find_count_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* file_menu_ = nullptr;
    std::array<QAction*, 4> recent_actions_{};
    std::array<QLabel*, 3> lock_panes_{};
    std::map<int, QAction*> actions_;
    std::unique_ptr<PrintCommandHooks> print_hooks_;
    ActivePane active_pane_ = ActivePane::Tree;
    CheckWindow* check_window_ = nullptr;
};

}  // namespace velmora
