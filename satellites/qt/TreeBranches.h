#pragma once
// The tree's "buttons, lines and lines at root": a line from every node to its parent's
// line, lines joining siblings (the root nodes too), and a boxed plus or minus on every
// node with children. Drawn in whole device pixels, so that they stay crisp at any
// scale factor.

#include <QModelIndex>
#include <QRect>

class QPainter;
class QTreeView;

namespace velmora {

// Draws the branch area `rect` of the row of `index` in `view`, as QTreeView::drawBranches.
void DrawTreeBranches(QPainter* painter, const QRect& rect, const QTreeView& view,
                      const QModelIndex& index);

}  // namespace velmora
