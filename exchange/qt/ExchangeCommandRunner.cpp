#include "exchange/qt/ExchangeCommandRunner.h"

#include "app/CMainFrame.h"
#include "exchange/ExchangeCommands.h"

namespace velmora {

bool IsExchangeCommand(int id) {
    return id == kCmdExportCsv || id == kCmdExportHtml || id == kCmdApplyCsvEdits;
}

void RunExchangeCommand(CMainFrame& frame, int id) {
    CVelmoraDoc& doc = frame.doc();
    CVelmoraView& view = *frame.listView();
    ExchangeContext context{doc.db(), view.list().radio_mode != 0, view.list().ShownColumns(),
                            doc.prompter(), doc.chooser()};
    switch (id) {
        case kCmdExportCsv:
            ExportChannelsCsv(context);
            return;
        case kCmdExportHtml:
            ExportChannelsHtml(context);
            return;
        case kCmdApplyCsvEdits:
            break;
        default:
            return;
    }
    doc.history().Begin(doc.db());
    const bool changed = ApplyCsvEditsCommand(context);
    doc.history().Commit(doc.db(), "Apply CSV Edits");
    if (!changed) return;
    // Names, marks and order may all have changed: list the same selection again.
    if (view.list().listed()) view.RefreshList(view.list().radio_mode);
    frame.UpdateCommandStates();
}

}  // namespace velmora
