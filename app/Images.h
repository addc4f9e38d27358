#pragma once
// The program's pictures, drawn in code: the 16x15 toolbar images and the main icon.

#include <QIcon>
#include <QPixmap>

namespace velmora {

// The toolbar image of command `command_id`; a null pixmap for a command without one.
QPixmap ToolbarImage(int command_id);
// The main icon (a dish under a star-lit sky) in the sizes windows and the About box use.
QIcon VelmoraIcon();
QPixmap VelmoraPixmap(int size);

}  // namespace velmora
