#pragma once
// The "Modified TP" dialog (template 161) as a plain value: the list of one satellite's
// transponders and its Add, Edit and Del buttons, which change the database at once.
// Every transponder of the satellite is listed, however many there are.

#include <string>
#include <vector>

#include "database/Database.h"
#include "database/Interaction.h"
#include "satellites/SatelliteDialogs.h"

namespace velmora {

enum ModifiedTpControl {
    kModifyTpList = 1004,
    kModifyTpAdd = 1032,
    kModifyTpEdit = 1034,
    kModifyTpDel = 1035,
};
inline constexpr int kModifyTpDialogId = 161;

class ModifiedTpList {
public:
    // Lists the transponders of satellite `satellite` at once.
    ModifiedTpList(Database& db, Prompter& prompter, SatelliteDialogs& dialogs, int satellite);

    // "%s--Transponder List" with the satellite's name.
    std::string Caption() const;
    // "%02d    %05d    %s     %05d   %s": row number from 1, frequency, polarisation,
    // symbol rate and FEC.
    const std::vector<std::string>& rows() const { return rows_; }
    // Table index of the transponder each row shows.
    const std::vector<int>& row_map() const { return row_map_; }
    // Set once a button changed something (or an edit was attempted); the tree then
    // rebuilds its satellite nodes.
    bool modified() const { return modified_; }
    int satellite() const { return satellite_; }

    // "Add": a new transponder through the transponder dialog; true when one was added.
    bool Add();
    // "Edit": each selected row in turn through the transponder dialog.
    void Edit(std::vector<int> selected_rows);
    // "Del": deletes the selected rows' transponders and their channels, without asking.
    void Delete(std::vector<int> selected_rows);

private:
    void Fill();
    std::string RowText(int row, int index) const;
    std::vector<int> ValidRows(std::vector<int> rows) const;

    Database& db_;
    Prompter& prompter_;
    SatelliteDialogs& dialogs_;
    int satellite_;
    bool modified_ = false;
    std::vector<std::string> rows_;
    std::vector<int> row_map_;
};

}  // namespace velmora
