#include "satellites/ModifiedTpList.h"

#include <algorithm>
#include <cstdio>

#include "database/Latin1.h"
#include "database/NameLists.h"
#include "satellites/TransponderForm.h"
#include "satellites/TransponderOps.h"
#include "text/Translate.h"

namespace velmora {

ModifiedTpList::ModifiedTpList(Database& db, Prompter& prompter, SatelliteDialogs& dialogs,
                               int satellite)
    : db_(db), prompter_(prompter), dialogs_(dialogs), satellite_(satellite) {
    Fill();
}

std::string ModifiedTpList::Caption() const {
    return velmora::Fill(VT_TR("satellites", "%1--Transponder List"),
                         {Latin1ToUtf8(db_.satellites[satellite_].name())});
}

std::string ModifiedTpList::RowText(int row, int index) const {
    const Transponder& tp = db_.transponders[index];
    char line[96];
    std::snprintf(line, sizeof line, "%02d    %05d    %s     %05d   %s", row + 1, tp.frequency(),
                  kPolarisationNames[tp.polarisation()].data(), tp.symbol_rate(),
                  FecText(tp.fec()).data());
    return line;
}

void ModifiedTpList::Fill() {
    row_map_ = SatelliteTransponderIndices(db_, satellite_);
    rows_.clear();
    for (size_t r = 0; r < row_map_.size(); ++r)
        rows_.push_back(RowText(static_cast<int>(r), row_map_[r]));
}

std::vector<int> ModifiedTpList::ValidRows(std::vector<int> rows) const {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [&](int r) { return r < 0 || r >= static_cast<int>(row_map_.size()); });
    return rows;
}

bool ModifiedTpList::Add() {
    TransponderForm form = TransponderForm::Load(NewTransponderTemplate(satellite_));
    if (!dialogs_.RunTransponder(form)) return false;
    if (!CanAddTransponder(db_, prompter_, form.record)) return false;
    const int index = db_.tp_count() - 1;
    rows_.push_back(RowText(static_cast<int>(rows_.size()), index));
    row_map_.push_back(index);
    modified_ = true;
    return true;
}

void ModifiedTpList::Edit(std::vector<int> selected_rows) {
    const std::vector<int> rows = ValidRows(std::move(selected_rows));
    if (rows.empty()) return;
    for (int row : rows) {
        const int index = row_map_[row];
        TransponderForm form = TransponderForm::Load(db_.transponders[index]);
        if (!dialogs_.RunTransponder(form)) continue;
        if (!CanStoreEditedTransponder(db_, prompter_, form.record)) continue;
        db_.transponders[index] = form.record;
    }
    Fill();
    modified_ = true;
}

void ModifiedTpList::Delete(std::vector<int> selected_rows) {
    const std::vector<int> rows = ValidRows(std::move(selected_rows));
    if (rows.empty()) return;
    for (int row : rows) {
        const int index = row_map_[row];
        RemoveTransponderWithChannels(db_, index);
        // The table closed the gap: later rows' records moved down one place.
        for (int& entry : row_map_) {
            if (entry >= index) --entry;
        }
    }
    Fill();
    modified_ = true;
}

}  // namespace velmora
