#pragma once
// The editor's satellite dialog host: runs the real dialogs modally.

#include <QPointer>
#include <QWidget>

#include "database/Interaction.h"
#include "satellites/SatelliteDialogs.h"

namespace velmora {

class QtSatelliteDialogs : public SatelliteDialogs {
public:
    // Dialogs open over the active modal dialog, or over `parent` when none is open.
    QtSatelliteDialogs(Prompter& prompter, QWidget* parent);

    bool RunSatellite(SatelliteForm& form) override;
    bool RunTransponder(TransponderForm& form) override;
    void RunModifyTransponders(ModifiedTpList& list) override;
    bool RunMove(int from, int& to) override;

private:
    QWidget* DialogParent() const;

    Prompter& prompter_;
    QPointer<QWidget> parent_;
};

}  // namespace velmora
