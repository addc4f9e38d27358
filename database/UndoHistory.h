#pragma once
// Undo and redo for every change to the database. Before a command runs the whole
// table image is copied; afterwards only the 64-byte blocks that changed are kept as the
// step, so a step costs what the command touched and restoring is exact to the byte.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "database/Database.h"

namespace velmora {

class UndoHistory {
public:
    // At least kMinSteps steps are always kept; older ones are dropped once the history
    // holds more than kMaxBytes. The largest step is one whole table image (about 540 KB),
    // so 100 steps always fit in the bound.
    static constexpr size_t kMinSteps = 100;
    static constexpr size_t kMaxBytes = 64u << 20;

    UndoHistory();

    // Call before a command runs: remembers the tables as they are.
    void Begin(const Database& db);
    // Call after it ran: when the tables changed, the change becomes the undo step named
    // `label` (e.g. "Move Channel") and every redo step is dropped. Returns whether a step
    // was recorded.
    bool Commit(const Database& db, const std::string& label);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    const std::string& UndoLabel() const;
    const std::string& RedoLabel() const;

    // Restore the state before (Undo) or after (Redo) the step. False when there is
    // nothing to do.
    bool Undo(Database& db);
    bool Redo(Database& db);

    // Whether the tables are what the file holds: the modified flag is its negation.
    bool AtSavedState() const { return static_cast<long>(position_) == saved_position_; }
    // The database as it is now is what the file on disk holds.
    void MarkSaved() { saved_position_ = static_cast<long>(position_); }
    // No reachable state is what the file holds (a write of a new database failed).
    void MarkUnsaved() { saved_position_ = -1; }
    // Open, New and Close start a new history.
    void Clear();

    size_t step_count() const { return steps_.size(); }
    size_t memory_bytes() const { return bytes_; }

private:
    struct Run {
        uint32_t offset;
        std::vector<uint8_t> bytes;  // the other state's bytes at [offset, offset + size)
    };
    struct Step {
        std::string label;
        std::vector<Run> runs;
        size_t bytes = 0;
    };

    void Swap(Step& step, Database& db);
    void DropOldest();

    std::unique_ptr<DatabaseTables> before_;
    bool pending_ = false;
    std::vector<Step> steps_;
    size_t position_ = 0;      // steps_[0, position_) are applied
    long saved_position_ = 0;  // -1 when the saved state is no longer reachable
    size_t bytes_ = 0;
};

}  // namespace velmora
