// The one place where the hook points of the tree, the channel list and the frame are
// handed to the code that implements their commands.

#include "app/CVelmoraApp.h"

namespace velmora {

void InstallCommandHooks(CMainFrame& /*frame*/) {
    // frame.leftView()->SetTreeCommandHooks(...);      satellites, transponders, import,
    //                                                  group rename, settings dialogs
    // frame.listView()->SetChannelCommandHooks(...);   channel commands
    // frame.SetPrintCommandHooks(...);                 printing
}

}  // namespace velmora
