#pragma once
// Where the tree hands the operations its context menus, Enter, double-click and Delete
// start. The satellite, transponder, import and settings code fills these in; every
// default does nothing. Positions are those of the nodes (satellite index s, transponder
// node k under it, group g), taken when the user acted. Plain C++: no Qt needed.

#include <string>

namespace velmora {

class TreeCommandHooks {
public:
    virtual ~TreeCommandHooks() = default;
    // "Antenna" and satellite menus.
    virtual void AddSatellite() {}
    virtual void EditSatellite(int /*s*/) {}  // also Enter on a satellite node
    virtual void MoveSatellite(int /*s*/) {}
    virtual void SwapSatellite(int /*s*/) {}
    virtual void DeleteSatellite(int /*s*/) {}  // also the Delete key
    // "Load Satellite from html file of <host>...": the import asks for the page itself.
    virtual void LoadSatellitesFromListing() {}
    virtual std::string ListingSiteHost() const { return "the listing site"; }
    // Satellite and transponder menus.
    virtual void AddTransponder(int /*s*/) {}
    virtual void ModifyTransponders(int /*s*/) {}
    virtual void EditTransponder(int /*s*/, int /*k*/) {}
    virtual void DeleteTransponder(int /*s*/, int /*k*/) {}  // also the Delete key
    // Group menu: true when the stored name changed (the node then shows it).
    virtual bool RenameFavouriteGroup(int /*g*/) { return false; }
    // Enter or double-click on "Parental Control" / "Other Setting".
    virtual void EditParentalControl() {}
    virtual void EditOtherSettings() {}
};

}  // namespace velmora
