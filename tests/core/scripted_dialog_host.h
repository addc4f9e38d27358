#pragma once
// One scripted host for every dialog a command opens: each kind of dialog is answered by
// the scripted dialogs of its subsystem; Show Channel info by `show_info`.

#include <functional>

#include "commands/CommandTable.h"
#include "satxml/SatXmlForms.h"
#include "tests/core/channel_fixture.h"
#include "tests/core/satellite_test_support.h"
#include "tests/core/settings_scripted_dialogs.h"
#include "tests/support/ScriptedPrompter.h"

namespace velmora::testing {

class ScriptedDialogHost : public DialogHost {
public:
    ScriptedChannelDialogs channels;
    ScriptedSatelliteDialogs satellites;
    ScriptedSettingsDialogs settings;
    std::function<bool(ShowInfoForm&)> show_info;
    std::function<bool(SatXmlLoadForm&)> satxml_load;
    std::function<bool(SatXmlUpdateForm&)> satxml_update;
    std::function<bool(const CsvEditsPreview&)> csv_preview;

    bool RunChannel(ChannelForm& f) override { return channels.RunChannel(f); }
    bool RunAudio(AudioForm& f) override { return channels.RunAudio(f); }
    bool RunMove(MoveForm& f) override { return channels.RunMove(f); }
    bool RunSatellite(SatelliteForm& f) override { return satellites.RunSatellite(f); }
    bool RunTransponder(TransponderForm& f) override { return satellites.RunTransponder(f); }
    void RunModifyTransponders(ModifiedTpList& l) override { satellites.RunModifyTransponders(l); }
    bool RunMove(int from, int& to) override { return satellites.RunMove(from, to); }
    bool RunRenameFavourite(FavouriteNameForm& f, Prompter& p) override {
        return settings.RunRenameFavourite(f, p);
    }
    bool RunParental(ParentalForm& f, Prompter& p) override { return settings.RunParental(f, p); }
    bool RunOtherSettings(OtherSettingsForm& f, Prompter& p) override {
        return settings.RunOtherSettings(f, p);
    }
    bool RunSatXmlLoad(SatXmlLoadForm& f) override {
        if (!satxml_load) {
            ADD_FAILURE() << "unexpected satellites.xml load window";
            return false;
        }
        return satxml_load(f);
    }
    bool RunSatXmlUpdate(SatXmlUpdateForm& f) override {
        if (!satxml_update) {
            ADD_FAILURE() << "unexpected satellites.xml update preview";
            return false;
        }
        return satxml_update(f);
    }
    bool RunShowInfo(ShowInfoForm& f) override {
        if (!show_info) {
            ADD_FAILURE() << "unexpected show channel info dialog";
            return false;
        }
        return show_info(f);
    }
    bool RunCsvEditsPreview(const CsvEditsPreview& p) override {
        if (!csv_preview) {
            ADD_FAILURE() << "unexpected CSV edits preview";
            return false;
        }
        return csv_preview(p);
    }
};

// A document with scripted answers and a list, to run commands as the main window does:
// Run(id) over the selected node and rows.
struct CommandBench {
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    ScriptedDialogHost dialogs;
    CVelmoraDoc doc{prompter, chooser};
    ChannelList list;
    SatelliteTreeState tree_state;
    FrameActions frame;
    TreeNodeRef node;
    std::vector<int> rows;
    WindowSelection window;  // of the window beside the editor running the command

    // The document's tables, writable for setting a test up; commands still change them
    // only in the steps RunCommand records.
    Database& db() {
        if (!tables_) doc.Record("", [this](Database& tables) { tables_ = &tables; });
        return *tables_;
    }
    ViewEffect Run(int id) {
        CommandContext c{doc, list, dialogs, tree_state, frame, node, rows, -1, window};
        ViewEffect e = RunCommand(id, c);
        if (e.relist) list.Relist(doc.db());  // as the view does
        return e;
    }

private:
    Database* tables_ = nullptr;
};

}  // namespace velmora::testing
