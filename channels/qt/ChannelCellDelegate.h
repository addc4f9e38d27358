#pragma once
// How the channel list draws a cell: a short centred text, elided when the column is too
// narrow, on the selection or the row's tint, with the texts laid out once and kept.

#include <QStyledItemDelegate>

#include "database/qt/LaidOutTexts.h"

namespace velmora {

class ChannelCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    mutable LaidOutTexts texts_;
};

}  // namespace velmora
