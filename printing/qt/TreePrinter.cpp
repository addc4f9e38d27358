#include "printing/qt/TreePrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTreeWidget>
#include <utility>

#include "printing/qt/PrintText.h"

namespace velmora {
namespace {

QFont BodyFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(tree_print::kBodyHeight);
    font.setWeight(QFont::Bold);
    return font;
}

int Depth(const QTreeWidgetItem* item) {
    int depth = 0;
    for (const QTreeWidgetItem* p = item->parent(); p != nullptr; p = p->parent()) ++depth;
    return depth;
}

}  // namespace

TreePrinter::TreePrinter(std::vector<TreePrintLine> lines, const TreeScreenMetrics& screen,
                         std::vector<QPixmap> icons)
    : lines_(std::move(lines)), screen_(screen), icons_(std::move(icons)) {}

TreePrinter TreePrinter::FromTree(const QTreeWidget& tree) {
    TreeScreenMetrics screen;
    screen.indentation = tree.indentation();
    screen.icon_size = tree.iconSize().isValid() ? tree.iconSize().width() : 16;
    screen.scroll_x = tree.horizontalScrollBar()->value();
    screen.client_width = tree.viewport()->width();
    screen.root_decorated = tree.rootIsDecorated();

    std::vector<TreePrintLine> lines;
    std::vector<QPixmap> icons;
    const QFontMetrics metrics(tree.font());
    QTreeWidgetItem* item = tree.topLevelItem(0);
    while (item != nullptr && item->isHidden()) item = tree.itemBelow(item);
    if (item != nullptr) {
        screen.line_height = tree.visualItemRect(item).height();
        // A tree that was never laid out on screen has no row rectangles yet.
        if (screen.line_height <= 0) screen.line_height = metrics.height() + 4;
    }
    for (; item != nullptr; item = tree.itemBelow(item)) {
        TreePrintLine line;
        const QString text = item->text(0);
        line.text = text.toStdString();
        line.depth = Depth(item);
        line.label_width = metrics.horizontalAdvance(text);
        const QIcon icon = item->icon(0);
        if (!icon.isNull()) {
            line.icon = static_cast<int>(icons.size());
            icons.push_back(icon.pixmap(screen.icon_size, screen.icon_size));
        }
        lines.push_back(std::move(line));
    }
    return TreePrinter(std::move(lines), screen, std::move(icons));
}

int TreePrinter::Begin(QPrinter& printer) {
    layout_.emplace(lines_, screen_, printer.width(), printer.height());
    header_font_ = CursiveTitleFont(tree_print::kHeaderPoints);
    body_font_ = BodyFont();
    return layout_->page_count();
}

void TreePrinter::PrintPage(QPainter& painter, int page) {
    using namespace tree_print;
    if (!layout_) return;
    painter.save();
    painter.scale(kPixelsPerUnit, kPixelsPerUnit);

    painter.setFont(header_font_);
    DrawTextAt(painter, 0, kHeaderMarkY, QString::fromLatin1(kHeaderMark));
    painter.setFont(body_font_);
    DrawTextAt(painter, layout_->PageNumberX(), kPageNumberY,
               QString::fromStdString(TreePageLabel(page)));
    painter.drawLine(0, kRuleY, layout_->page_width(), kRuleY);

    const LineRange range = layout_->PageLines(page);
    const int band = layout_->band_height();
    for (int i = range.first; i < range.end; ++i) {
        const TreePrintLine& line = lines_[i];
        const int top = layout_->BandTop(i - range.first);
        if (line.icon >= 0 && line.icon < static_cast<int>(icons_.size()) &&
            !icons_[line.icon].isNull()) {
            painter.drawPixmap(
                QRect(layout_->IconX(line), top, screen_.icon_size, screen_.icon_size),
                icons_[line.icon]);
        }
        const QRect text_rect(layout_->TextLeft(line), top,
                              layout_->TextRight(line) - layout_->TextLeft(line), band);
        painter.drawText(
            text_rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
            QString::fromUtf8(line.text.data(), static_cast<qsizetype>(line.text.size())));
    }
    painter.restore();
}

void TreePrinter::End() {
    layout_.reset();
    header_font_ = QFont();
    body_font_ = QFont();
}

}  // namespace velmora
