#pragma once
// What a command runs over: the document (database, undo history, prompter, file
// chooser), the list's state and selection, the tree's selected node, the selection of
// the window beside the editor it came from, the dialogs, and the few things only the
// main window can do.

#include <functional>
#include <vector>

#include "channels/ChannelList.h"
#include "commands/DialogHost.h"
#include "compare/CopyAcross.h"
#include "database/CVelmoraDoc.h"
#include "health/Findings.h"
#include "satellites/SatelliteOps.h"
#include "satellites/TreeState.h"

namespace velmora {

// The main window's own part of some commands; every default does nothing.
class FrameActions {
public:
    virtual ~FrameActions() = default;
    virtual void Print(bool /*preview*/) {}  // the pane that last had the focus
    virtual void PrintSetup() {}
    virtual void ShowAbout() {}
    virtual void Exit() {}
    virtual void SwitchPane() {}
    virtual void FocusFind() {}
    virtual void OpenRecentFile(int /*index*/) {}
    virtual void CompareWith() {}      // opens the comparison window over a chosen file
    virtual void ShowCheckWindow() {}  // the health check's window
};

// The selection of a window beside the editor, for the commands it runs: the
// comparison's other database with what is chosen of it, the health check's chosen
// findings.
struct WindowSelection {
    const Database* there = nullptr;
    CopySelection copy;
    std::vector<Finding> findings;
};
// Where such a window sends its commands: the main window runs them as a menu entry.
using WindowCommandSink = std::function<void(int id, const WindowSelection& selection)>;

struct CommandContext {
    CVelmoraDoc& doc;
    ChannelList& list;
    DialogHost& dialogs;
    SatelliteTreeState& tree_state;
    FrameActions& frame;
    // The selected tree node, and the list's selected rows ascending (for a drop: the
    // dragged rows, with `target_row` the row they were dropped on).
    TreeNodeRef node;
    std::vector<int> rows;
    int target_row = -1;
    WindowSelection window;
    // The id being run (one row may serve several consecutive ids).
    int id = 0;
    // The writable tables while the command runs as a recorded step; null otherwise.
    Database* writable = nullptr;

    // The tables to change: only for a row with an undo label (RunCommand records it).
    Database& db() const { return *writable; }
    // The tables to read.
    const Database& data() const { return doc.db(); }
    Prompter& prompter() const { return doc.prompter(); }
};

}  // namespace velmora
