#pragma once
// The tree's ten 16x16 pictures, drawn in code. Image index i is picture i; a node shows
// its image normally and its selected image while selected.

#include <QIcon>
#include <QPixmap>

namespace velmora {

inline constexpr int kTreeImageCount = 10;

// Picture `index` (0..9), drawn anew on each call; a null pixmap for any other index.
QPixmap TreeImage(int index);
// The icon of a node with images `image` / `selected_image`; empty when `image` has no
// picture (the "Other Setting" root).
QIcon TreeNodeIcon(int image, int selected_image);

}  // namespace velmora
