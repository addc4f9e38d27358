#pragma once
// "Show this record in the main window", for the windows beside the editor (the
// comparison and the health check): one way to find a record's node and row.

#include "channels/qt/CVelmoraView.h"
#include "database/Database.h"
#include "satellites/qt/CLeftView.h"

namespace velmora {

enum class RecordTable { Satellites, Transponders, Tv, Radio };

// Selects record `index` of `table` of `db` in the main window: a satellite's node, a
// transponder's node, or a channel's row in its transponder's list ("Channel List" when
// no transponder carries it). Does nothing for an index outside the table.
void ShowRecordInMainWindow(const Database& db, CLeftView& tree, CVelmoraView& view,
                            RecordTable table, int index);

}  // namespace velmora
