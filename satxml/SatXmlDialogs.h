#pragma once
// The modal windows of the satellites.xml commands. The editor runs the Qt dialogs;
// tests answer from a script.

namespace velmora {

class SatXmlLoadForm;
class SatXmlUpdateForm;

class SatXmlDialogs {
public:
    virtual ~SatXmlDialogs() = default;
    // The load window: true on OK with the rows to load checked.
    virtual bool RunSatXmlLoad(SatXmlLoadForm& form) = 0;
    // The update preview: true on OK (the update goes ahead).
    virtual bool RunSatXmlUpdate(SatXmlUpdateForm& form) = 0;
};

}  // namespace velmora
