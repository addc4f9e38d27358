#pragma once
// How the channel list draws a cell: a short centred text, elided when the column is too
// narrow, on the selection or the row's tint. The texts are laid out once and kept, so a
// repaint of a full window of rows only draws glyphs; shaping each cell's text anew was
// most of what a repaint cost.

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace velmora {

class ChannelCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    struct LaidOut {
        QStaticText text;
        int width = 0;
    };
    // `text` laid out in the list's font.
    const LaidOut& Layout(const QString& text, const QFontMetrics& metrics) const;

    mutable QHash<QString, LaidOut> laid_out_;
    mutable QFont font_;
};

}  // namespace velmora
