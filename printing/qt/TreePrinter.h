#pragma once
// Draws the tree on a printer: every line visible in the tree when the run begins, with
// its icon and label, under a page header. One drawing unit is four printer pixels, and
// x positions follow the tree's on-screen geometry.

#include <QFont>
#include <QPixmap>
#include <optional>
#include <vector>

#include "printing/TreePrintLayout.h"

class QPainter;
class QPrinter;
class QTreeWidget;

namespace velmora {

class TreePrinter {
public:
    // `lines` in display order; a line's icon indexes `icons` (a null pixmap or -1 for none).
    TreePrinter(std::vector<TreePrintLine> lines, const TreeScreenMetrics& screen,
                std::vector<QPixmap> icons);
    // Takes the lines visible in `tree` now, in display order, with their icons and the
    // tree's geometry.
    static TreePrinter FromTree(const QTreeWidget& tree);

    // Lays the run out for `printer` and creates the fonts; returns the page count (at
    // least one).
    int Begin(QPrinter& printer);
    // Draws page `page` (1-based) with `painter`, which is open on the printer given to Begin.
    void PrintPage(QPainter& painter, int page);
    // Drops the run's layout and fonts.
    void End();

    const std::vector<TreePrintLine>& lines() const { return lines_; }
    // The layout of the running job; only between Begin and End.
    const TreePrintLayout& layout() const { return *layout_; }

private:
    std::vector<TreePrintLine> lines_;
    TreeScreenMetrics screen_;
    std::vector<QPixmap> icons_;
    std::optional<TreePrintLayout> layout_;
    QFont header_font_;
    QFont body_font_;
};

}  // namespace velmora
