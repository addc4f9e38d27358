#include "satellites/qt/TreeBranches.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTreeView>
#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora {
namespace {

bool HasNextSibling(const QModelIndex& index) {
    return index.row() + 1 < index.model()->rowCount(index.parent());
}

}  // namespace

void DrawTreeBranches(QPainter* painter, const QRect& rect, const QTreeView& view,
                      const QModelIndex& index) {
    if (!index.isValid() || view.indentation() <= 0) return;
    std::vector<QModelIndex> chain;  // the node, its parent, ... up to its root node
    for (QModelIndex i = index; i.isValid(); i = i.parent()) chain.push_back(i);
    const int level = static_cast<int>(chain.size()) - 1;
    const int indent = view.indentation();
    const bool reverse = view.layoutDirection() == Qt::RightToLeft;

    // Everything below is in device pixels, so that a line is exactly one pixel column
    // or row wide whatever the scale factor.
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    auto px = [dpr](qreal logical) { return static_cast<int>(std::floor(logical * dpr)); };
    const int width = std::max(1, static_cast<int>(dpr));
    const int top = px(rect.top());
    const int bottom = px(rect.top() + rect.height());
    const int mid = px(rect.top() + rect.height() / 2.0);
    // Centre and right edge of indentation column c, counted from the root.
    auto column_left = [&](int c) {
        return reverse ? rect.right() + 1 - (c + 1) * indent : rect.left() + c * indent;
    };
    auto centre = [&](int c) { return px(column_left(c) + indent / 2.0); };

    const QPalette& palette = view.palette();
    const QColor line = palette.color(QPalette::Mid);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->scale(1 / dpr, 1 / dpr);

    // Ancestors' lines pass through when more siblings of theirs follow.
    for (int c = 0; c < level; ++c) {
        if (HasNextSibling(chain[static_cast<size_t>(level - c)]))
            painter->fillRect(QRect(centre(c), top, width, bottom - top), line);
    }
    // The node's own joint: up to the previous sibling or the parent (not above the first
    // root node), down to the next sibling, across to the node.
    const int x = centre(level);
    const int up = level > 0 || index.row() > 0 ? top : mid;
    const int down = HasNextSibling(index) ? bottom : mid + width;
    painter->fillRect(QRect(x, up, width, down - up), line);
    const int across_end = reverse ? px(column_left(level)) : px(column_left(level) + indent);
    painter->fillRect(reverse ? QRect(across_end, mid, x - across_end, width)
                              : QRect(x, mid, across_end - x, width),
                      line);

    if (index.model()->hasChildren(index)) {
        // An odd size, so that the plus sits on the box's centre pixel.
        int size = px(9);
        size -= 1 - size % 2;
        const QRect box(x + width / 2 - size / 2, mid + width / 2 - size / 2, size, size);
        const QColor frame = palette.color(QPalette::Dark);
        painter->fillRect(box, palette.color(QPalette::Base));
        painter->fillRect(QRect(box.left(), box.top(), size, width), frame);
        painter->fillRect(QRect(box.left(), box.bottom() + 1 - width, size, width), frame);
        painter->fillRect(QRect(box.left(), box.top(), width, size), frame);
        painter->fillRect(QRect(box.right() + 1 - width, box.top(), width, size), frame);
        const QColor sign = palette.color(QPalette::Text);
        const int inset = width + std::max(1, px(2));
        const int c = box.left() + size / 2 - width / 2;
        const int r = box.top() + size / 2 - width / 2;
        painter->fillRect(QRect(box.left() + inset, r, size - 2 * inset, width), sign);
        if (!view.isExpanded(index))
            painter->fillRect(QRect(c, box.top() + inset, width, size - 2 * inset), sign);
    }
    painter->restore();
}

}  // namespace velmora
