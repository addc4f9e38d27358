#pragma once
// Every modal dialog a command opens, behind one interface. The editor's host runs the
// Qt dialogs; tests answer from a script.

#include "channels/ChannelDialogs.h"
#include "channels/ShowInfoForm.h"
#include "exchange/CsvEditsPreview.h"
#include "satellites/SatelliteDialogs.h"
#include "satxml/SatXmlDialogs.h"
#include "settings/SettingsDialogs.h"

namespace velmora {

class DialogHost : public ChannelDialogs,
                   public SatelliteDialogs,
                   public SettingsDialogs,
                   public SatXmlDialogs,
                   public ShowInfoDialogHost,
                   public CsvEditsPreviewHost {
public:
    using ChannelDialogs::RunMove;
    using SatelliteDialogs::RunMove;
};

}  // namespace velmora
