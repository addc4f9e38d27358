#include "channels/qt/ChannelCellDelegate.h"

namespace velmora {

void ChannelCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                               : QPalette::Inactive;
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    else if (const QVariant tint = index.data(Qt::BackgroundRole); tint.isValid())
        painter->fillRect(option.rect, tint.value<QColor>());

    const QRect rect = option.rect.adjusted(2, 0, -2, 0);
    const QString text = index.data(Qt::DisplayRole).toString();
    const LaidOutTexts::Text* cell = &texts_.Get(text, option.font);
    if (cell->width > rect.width())
        cell = &texts_.Get(option.fontMetrics.elidedText(text, Qt::ElideRight, rect.width()),
                           option.font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    // An elided text fits the cell, so it needs no clipping.
    texts_.Draw(painter, rect.x() + (rect.width() - cell->width) / 2, rect, *cell);
}

}  // namespace velmora
