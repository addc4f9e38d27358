// The one place where the hook points of the tree, the channel list and the frame are
// handed to the code that implements their commands.

#include <QTreeWidgetItem>

#include "app/CVelmoraApp.h"
#include "channels/ChannelBlockMove.h"
#include "channels/qt/ChannelCommandRunner.h"
#include "channels/qt/PrintCommands.h"
#include "channels/qt/QtChannelDialogs.h"
#include "database/qt/StatusNote.h"
#include "import/ListingImportCommand.h"
#include "satellites/qt/SatelliteCommandRunner.h"
#include "settings/qt/SettingsCommandRunner.h"

namespace velmora {
namespace {

// Every change to the database passes here: the tables as they were before `command`
// ran become one undo step named `label` when the command changed them.
template <typename Command>
auto Recorded(CMainFrame& frame, const char* label, Command command) {
    CVelmoraDoc& doc = frame.doc();
    doc.history().Begin(doc.db());
    struct CommitOnExit {
        CMainFrame& frame;
        const char* label;
        ~CommitOnExit() {
            frame.doc().history().Commit(frame.doc().db(), label);
            frame.UpdateCommandStates();
        }
    } commit{frame, label};
    return command();
}

// Shows in the tree what a satellite or transponder operation changed.
void ApplyTreeEffect(CMainFrame& frame, const TreeEffect& e) {
    CLeftView& tree = *frame.leftView();
    switch (e.change) {
        case TreeChange::None:
            return;
        case TreeChange::RelabelSatellite:
            tree.UpdateSatelliteNode(e.satellite);
            break;
        case TreeChange::AddSatelliteNode:
            tree.AddSatelliteNode(e.satellite);
            break;
        case TreeChange::AppendTransponderNode:
            tree.AppendTransponderNode(e.satellite, e.tp_index);
            break;
        case TreeChange::RelabelTransponder:
            tree.UpdateTransponderNode(e.satellite, e.position);
            break;
        case TreeChange::RemoveTransponderNode:
            tree.RemoveTransponderNode(e.satellite, e.position);
            break;
        case TreeChange::RebuildSatellites:
            tree.RebuildSatellites();
            break;
    }
    QTreeWidgetItem* target = tree.currentItem();
    switch (e.select) {
        case TreeSelect::Keep:
            break;
        case TreeSelect::Satellite:
            target = tree.SatelliteNode(e.select_satellite);
            break;
        case TreeSelect::Transponder:
            target = tree.TransponderNode(e.select_satellite, e.select_position);
            break;
        case TreeSelect::Nothing:
            target = nullptr;
            break;
    }
    const bool same = target == tree.currentItem();
    tree.setCurrentItem(target);
    if (!target && e.refill_channels) {
        tree.clearSelection();
        frame.listView()->ClearList();
    } else if (same && e.refill_channels) {
        tree.RefreshSelection();
    }
}

class TreeHooks : public TreeCommandHooks {
public:
    TreeHooks(CMainFrame& frame)
        : frame_(frame),
          db_(frame.doc().db()),
          prompter_(frame.doc().prompter()),
          satellites_(db_, prompter_, tree_state_, &frame),
          settings_(db_, prompter_, &frame) {}

    void AddSatellite() override { Run("Add Antenna", SatelliteCommand::AddSatellite, -1); }
    void EditSatellite(int s) override { Run("Edit Antenna", SatelliteCommand::EditSatellite, s); }
    void MoveSatellite(int s) override { Run("Move Antenna", SatelliteCommand::MoveSatellite, s); }
    void SwapSatellite(int s) override { Run("Swap Antenna", SatelliteCommand::SwapSatellite, s); }
    void DeleteSatellite(int s) override {
        Run("Delete Antenna", SatelliteCommand::DeleteSatellite, s);
    }
    void AddTransponder(int s) override {
        Run("Add Transponder", SatelliteCommand::AddTransponder, s);
    }
    void ModifyTransponders(int s) override {
        Run("Modify Transponders", SatelliteCommand::ModifyTransponders, s);
    }
    void EditTransponder(int s, int k) override {
        Run("Edit Transponder", SatelliteCommand::EditTransponder, s, k);
    }
    void DeleteTransponder(int s, int k) override {
        Run("Delete Transponder", SatelliteCommand::DeleteTransponder, s, k);
    }

    void LoadSatellitesFromListing() override {
        if (!db_.database_open) return;
        Recorded(frame_, "Load Satellite", [this] {
            const ImportResult result =
                RunListingImportCommand(db_, frame_.doc().chooser(), prompter_);
            CLeftView& tree = *frame_.leftView();
            for (int n : result.new_satellites) {
                tree.AddSatelliteNode(n);
                tree.AddTransponderNodes(n);
            }
        });
    }
    std::string ListingSiteHost() const override { return std::string(kListingSiteHost); }

    bool RenameFavouriteGroup(int g) override {
        return Recorded(frame_, "Rename FAV Group Name", [this, g] {
            if (!settings_.RenameGroup(g)) return false;
            // The list's favourite columns carry the group names.
            frame_.listView()->SetupColumns();
            return true;
        });
    }
    void EditParentalControl() override {
        Recorded(frame_, "Parental Control", [this] { settings_.EditParental(); });
    }
    void EditOtherSettings() override {
        Recorded(frame_, "Other Setting", [this] { settings_.EditOtherSettings(); });
    }

private:
    void Run(const char* label, SatelliteCommand command, int s, int k = -1) {
        Recorded(frame_, label, [&] { ApplyTreeEffect(frame_, satellites_.Run(command, s, k)); });
    }

    CMainFrame& frame_;
    Database& db_;
    Prompter& prompter_;
    SatelliteTreeState tree_state_;
    SatelliteCommandRunner satellites_;
    SettingsCommandRunner settings_;
};

class ChannelHooks : public ChannelCommandHooks {
public:
    explicit ChannelHooks(CMainFrame& frame)
        : frame_(frame),
          dialogs_(&frame, frame.doc().prompter()),
          runner_(frame.doc().db(), frame.listView()->list(), frame.doc().prompter(), dialogs_,
                  [&frame] { return frame.listView()->SelectedRows(); }) {
        QObject::connect(&runner_, &ChannelCommandRunner::noted, &frame,
                         [&frame](const QString& text) { ShowStatusNote(&frame, text); });
    }

    void AddChannel(const std::vector<int>& rows) override {
        Run("Add Channel", kCmdAddChannel, rows);
    }
    void EditChannel(const std::vector<int>& rows) override {
        Run("Edit Channel", kCmdEditChannel, rows);
    }
    void DeleteChannels(const std::vector<int>& rows) override {
        Run("Delete Channel", kCmdDeleteChannel, rows);
    }
    void SwapChannel(const std::vector<int>& rows) override {
        Run("Swap Channel", kCmdSwapChannel, rows);
    }
    void MoveChannel(const std::vector<int>& rows) override {
        Run("Move Channel", kCmdMoveChannel, rows);
    }
    void SortAToZ() override { Run("Sort A--->Z", kCmdSortAToZ, {}); }
    void SortZToA() override { Run("Sort Z--->A", kCmdSortZToA, {}); }
    void SortByTransponder() override { Run("Sort by Transponder", kCmdSortByTransponder, {}); }
    void SortBySatellite() override { Run("Sort by Satellite", kCmdSortBySatellite, {}); }
    std::vector<int> MoveRowsAsBlock(const std::vector<int>& rows, int target_row) override {
        return Recorded(frame_, "Move Channel", [&] {
            return velmora::MoveRowsAsBlock(frame_.doc().db(), frame_.listView()->list(), rows,
                                            target_row);
        });
    }

private:
    void Run(const char* label, int id, const std::vector<int>& rows) {
        Recorded(frame_, label, [&] { runner_.Run(id, rows); });
    }

    CMainFrame& frame_;
    QtChannelDialogs dialogs_;
    ChannelCommandRunner runner_;
};

class PrintHooks : public PrintCommandHooks {
public:
    explicit PrintHooks(CMainFrame& frame) : frame_(frame), printer_(&frame.doc().prompter()) {}

    void Print(ActivePane pane) override {
        if (pane == ActivePane::List)
            printer_.Print(&frame_, frame_.doc().db(), frame_.listView()->list());
        else
            printer_.Print(&frame_, *frame_.leftView());
    }
    void PrintPreview(ActivePane pane) override {
        if (pane == ActivePane::List)
            printer_.PrintPreview(&frame_, frame_.doc().db(), frame_.listView()->list());
        else
            printer_.PrintPreview(&frame_, *frame_.leftView());
    }
    void PrintSetup() override { printer_.PrintSetup(&frame_); }

private:
    CMainFrame& frame_;
    PrintController printer_;
};

}  // namespace

void InstallCommandHooks(CMainFrame& frame) {
    frame.leftView()->SetTreeCommandHooks(std::make_unique<TreeHooks>(frame));
    frame.listView()->SetChannelCommandHooks(std::make_unique<ChannelHooks>(frame));
    frame.SetPrintCommandHooks(std::make_unique<PrintHooks>(frame));
}

}  // namespace velmora
