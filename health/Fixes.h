#pragma once
// Mending what the health check finds, where no person's judgement is needed: channels
// sharing a key are renumbered, duplicates are merged into their first record, repeated
// transponder ids are replaced. Every change keeps the favourite groups in step with the
// channels' marks.

#include <string>
#include <vector>

#include "database/Database.h"
#include "health/Findings.h"

namespace velmora {

// Mends the mendable ones among `findings`, which CheckDatabase reported for `db` as it
// is now; the others, and any whose records no longer match, are skipped:
// - key_collision: every channel after the first gets the lowest service_number free on
//   its transponder (TV and radio together), its favourite entries following it;
// - duplicate_channel: the later channels are deleted, their favourite marks merged into
//   the first;
// - duplicate_transponder: the later transponders are deleted, their channels moved to
//   the first (tp_id rewritten, a service_number taken there replaced by the lowest free);
// - duplicate_tp_id: every transponder after the first gets the lowest tp_id that no
//   transponder and no channel names (an orphan's id would adopt the orphan); the
//   channels stay with the first.
// A re-keyed channel whose favourite group is full loses its mark there; each such loss
// is told in `notes` when given. Returns how many findings were mended.
int FixFindings(Database& db, const std::vector<Finding>& findings,
                std::vector<std::string>* notes = nullptr);

// Checks and mends until no mendable finding is left; returns how many were mended.
int FixAllFindings(Database& db, std::vector<std::string>* notes = nullptr);

// What Fix and Fix All did, for the status bar: "Fixed 3 findings".
std::string FixedText(int fixed);

}  // namespace velmora
