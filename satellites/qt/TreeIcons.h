#pragma once
// The tree's eleven 16x16 pictures, drawn in code. Image index i is picture i; a node
// shows its image normally and its selected image while selected. Picture 10, a gear,
// is "Other Setting"'s, so that its label lines up with the other root nodes.

#include <QIcon>
#include <QPixmap>

namespace velmora {

inline constexpr int kTreeImageCount = 11;

// Picture `index` (0..10), drawn anew on each call; a null pixmap for any other index.
QPixmap TreeImage(int index);
// The icon of a node with images `image` / `selected_image`; empty when `image` has no
// picture.
QIcon TreeNodeIcon(int image, int selected_image);

}  // namespace velmora
