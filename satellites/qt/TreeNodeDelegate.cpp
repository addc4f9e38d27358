#include "satellites/qt/TreeNodeDelegate.h"

#include <QApplication>
#include <algorithm>

namespace velmora {
namespace {

QStyle* StyleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

}  // namespace

int TreeNodeDelegate::Margin(const QStyleOptionViewItem& option) const {
    return StyleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, option.widget) + 1;
}

void TreeNodeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    const QIcon icon = opt.icon;
    // The style draws the background, the selection and the focus, nothing to lay out.
    opt.text.clear();
    opt.icon = QIcon();
    opt.features &= ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration);
    StyleOf(opt)->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const bool selected = opt.state & QStyle::State_Selected;
    const int margin = Margin(opt);
    int x = opt.rect.x() + margin;
    if (!icon.isNull()) {
        const QSize size = opt.decorationSize;
        const QRect at(x, opt.rect.y() + (opt.rect.height() - size.height()) / 2, size.width(),
                       size.height());
        const QIcon::Mode mode = !(opt.state & QStyle::State_Enabled) ? QIcon::Disabled
                                 : selected                           ? QIcon::Selected
                                                                      : QIcon::Normal;
        icon.paint(painter, at, Qt::AlignCenter, mode, QIcon::Off);
        x += size.width() + 2 * margin;
    }
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Active
                                                                            : QPalette::Inactive;
    painter->setPen(
        opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    texts_.Draw(painter, x, opt.rect, texts_.Get(text, opt.font));
}

QSize TreeNodeDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const int margin = Margin(opt);
    int width = texts_.Get(opt.text, opt.font).width + 2 * margin;
    int height = opt.fontMetrics.height();
    if (!opt.icon.isNull()) {
        width += opt.decorationSize.width() + 2 * margin;
        height = std::max(height, opt.decorationSize.height());
    }
    return {width, height + 2};
}

}  // namespace velmora
