#pragma once
// The modal dialogs the satellite and transponder operations open. The editor runs the
// real dialogs; tests answer from a script.

namespace velmora {

class SatelliteForm;
class TransponderForm;
class ModifiedTpList;

class SatelliteDialogs {
public:
    virtual ~SatelliteDialogs() = default;
    // "Satellite Parameters": true on OK, with the form confirmed.
    virtual bool RunSatellite(SatelliteForm& form) = 0;
    // "Transponder Parameters": true on OK, with the form confirmed.
    virtual bool RunTransponder(TransponderForm& form) = 0;
    // The "Modified TP" list of one satellite; its buttons work through `list`. OK and
    // Cancel both just close it.
    virtual void RunModifyTransponders(ModifiedTpList& list) = 0;
    // "Move": shows From (read-only) and To; true on OK with the To entered.
    virtual bool RunMove(int from, int& to) = 0;
};

}  // namespace velmora
