#pragma once
// How the tree draws a node: the style's background, selection and focus, then the icon
// and the label where the style would put them, with the labels laid out once and kept.
// The size a node asks for comes from the same kept widths, so sizing the column to its
// labels measures no text again.

#include <QStyledItemDelegate>

#include "database/qt/LaidOutTexts.h"

namespace velmora {

class TreeNodeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // Room left and right of the icon and of the label, as the style leaves it.
    int Margin(const QStyleOptionViewItem& option) const;

    mutable LaidOutTexts texts_;
};

}  // namespace velmora
