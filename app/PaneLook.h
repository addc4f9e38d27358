#pragma once
// The two panes show which of them is active (the one Print prints and the keys go to):
// it has a frame in the highlight colour and a highlighted selection; the other one has
// a plain frame and draws its selection in the inactive colour.

class QAbstractItemView;
class QString;

namespace velmora {

enum class ActivePane;

void ShowPaneActive(QAbstractItemView* pane, bool active);

// The status-bar word of a print command: which pane it prints.
QString PrintedPaneNote(ActivePane pane, bool preview);

}  // namespace velmora
