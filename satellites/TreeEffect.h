#pragma once
// What a satellite or transponder operation asks of the tree once it has changed the
// database: which nodes to add, relabel, remove or rebuild, and what to select.

namespace velmora {

enum class TreeChange {
    None,                   // nothing changed
    RelabelSatellite,       // satellite node `satellite` gets its label again
    AddSatelliteNode,       // append the node of satellite `satellite` (empty node map)
    AppendTransponderNode,  // append under `satellite` the node for table index `tp_index`
    RelabelTransponder,     // transponder node `position` of `satellite` gets its label again
    // Transponder node `position` of `satellite` (table index `tp_index`) is gone: drop its
    // node map entry, lower every entry >= tp_index by one, relabel from `position` on and
    // remove the satellite's last node.
    RemoveTransponderNode,
    RebuildSatellites,  // every satellite and transponder node again from the tables
};

enum class TreeSelect {
    Keep,         // the selection stays as it is
    Satellite,    // select satellite node `select_satellite`
    Transponder,  // select transponder node `select_position` of `select_satellite`
    Nothing,      // clear the selection
};

struct TreeEffect {
    TreeChange change = TreeChange::None;
    int satellite = -1;
    int position = -1;
    int tp_index = -1;

    TreeSelect select = TreeSelect::Keep;
    int select_satellite = -1;
    int select_position = -1;

    // The channel list must be made to show what is selected afterwards, even when the
    // selected node is the same node as before (its channels may be gone); with nothing
    // selected it must be emptied. Never leaves rows of deleted channels on show.
    bool refill_channels = false;

    bool operator==(const TreeEffect&) const = default;
};

}  // namespace velmora
