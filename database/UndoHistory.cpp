#include "database/UndoHistory.h"

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

constexpr size_t kBlock = 64;

const uint8_t* Raw(const DatabaseTables& t) {
    return reinterpret_cast<const uint8_t*>(&t);
}
uint8_t* Raw(DatabaseTables& t) {
    return reinterpret_cast<uint8_t*>(&t);
}

const std::string kNoLabel;

}  // namespace

UndoHistory::UndoHistory() : before_(std::make_unique<DatabaseTables>()) {}

void UndoHistory::Begin(const Database& db) {
    *before_ = db.tables();
    pending_ = true;
}

bool UndoHistory::Commit(const Database& db, const std::string& label) {
    if (!pending_) return false;
    pending_ = false;
    const uint8_t* old_bytes = Raw(*before_);
    const uint8_t* new_bytes = Raw(db.tables());
    const size_t total = sizeof(DatabaseTables);

    Step step;
    step.label = label;
    for (size_t at = 0; at < total;) {
        const size_t n = std::min(kBlock, total - at);
        if (std::memcmp(old_bytes + at, new_bytes + at, n) == 0) {
            at += n;
            continue;
        }
        // Extend the run over every following changed block.
        size_t end = at + n;
        while (end < total) {
            const size_t m = std::min(kBlock, total - end);
            if (std::memcmp(old_bytes + end, new_bytes + end, m) == 0) break;
            end += m;
        }
        step.runs.push_back(
            {static_cast<uint32_t>(at), std::vector<uint8_t>(old_bytes + at, old_bytes + end)});
        step.bytes += end - at;
        at = end;
    }
    if (step.runs.empty()) return false;

    // A new change makes the redo steps unreachable.
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    if (saved_position_ > static_cast<long>(position_)) saved_position_ = -1;

    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    ++position_;
    while (steps_.size() > kMinSteps && bytes_ > kMaxBytes) DropOldest();
    return true;
}

void UndoHistory::DropOldest() {
    bytes_ -= steps_.front().bytes;
    steps_.erase(steps_.begin());
    --position_;
    if (saved_position_ >= 0) --saved_position_;  // 0 - 1 = -1: saved state dropped
}

const std::string& UndoHistory::UndoLabel() const {
    return CanUndo() ? steps_[position_ - 1].label : kNoLabel;
}

const std::string& UndoHistory::RedoLabel() const {
    return CanRedo() ? steps_[position_].label : kNoLabel;
}

void UndoHistory::Swap(Step& step, Database& db) {
    uint8_t* live = Raw(db.tables());
    for (Run& run : step.runs) {
        std::swap_ranges(run.bytes.begin(), run.bytes.end(), live + run.offset);
    }
}

bool UndoHistory::Undo(Database& db) {
    if (!CanUndo()) return false;
    --position_;
    Swap(steps_[position_], db);
    return true;
}

bool UndoHistory::Redo(Database& db) {
    if (!CanRedo()) return false;
    Swap(steps_[position_], db);
    ++position_;
    return true;
}

void UndoHistory::Clear() {
    steps_.clear();
    position_ = 0;
    saved_position_ = 0;
    bytes_ = 0;
    pending_ = false;
}

}  // namespace velmora
