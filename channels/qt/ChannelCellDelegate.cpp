#include "channels/qt/ChannelCellDelegate.h"

#include <QPainter>

namespace velmora {
namespace {

// Far more than the distinct texts of two full tables; past it the texts are laid out anew.
constexpr qsizetype kMaxLaidOut = 100000;

}  // namespace

const ChannelCellDelegate::LaidOut& ChannelCellDelegate::Layout(const QString& text,
                                                                const QFontMetrics& metrics) const {
    if (auto found = laid_out_.constFind(text); found != laid_out_.constEnd()) return *found;
    if (laid_out_.size() >= kMaxLaidOut) laid_out_.clear();
    LaidOut entry;
    entry.text.setTextFormat(Qt::PlainText);
    entry.text.setText(text);
    entry.text.prepare(QTransform(), font_);
    entry.width = metrics.horizontalAdvance(text);
    return *laid_out_.insert(text, std::move(entry));
}

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

    if (option.font != font_) {
        laid_out_.clear();
        font_ = option.font;
    }
    const QFontMetrics& metrics = option.fontMetrics;
    const QRect rect = option.rect.adjusted(2, 0, -2, 0);
    const QString text = index.data(Qt::DisplayRole).toString();
    const LaidOut* cell = &Layout(text, metrics);
    if (cell->width > rect.width())
        cell = &Layout(metrics.elidedText(text, Qt::ElideRight, rect.width()), metrics);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    if (painter->font() != font_) painter->setFont(font_);
    // An elided text fits the cell, so it needs no clipping.
    painter->drawStaticText(rect.x() + (rect.width() - cell->width) / 2,
                            rect.y() + (rect.height() - metrics.height()) / 2, cell->text);
}

}  // namespace velmora
