#pragma once
// File > Export > "Channels as CSV...", "Channels as HTML..." and File > "Apply CSV
// Edits..." in the main window: the core commands over the open document and the list as
// shown, applied edits recorded as one undo step and shown at once.

namespace velmora {

class CMainFrame;

bool IsExchangeCommand(int id);
// Runs command `id` (one of the three) for `frame`'s document and list.
void RunExchangeCommand(CMainFrame& frame, int id);

}  // namespace velmora
