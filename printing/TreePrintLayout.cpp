#include "printing/TreePrintLayout.h"

#include <algorithm>
#include <utility>

#include "text/Translate.h"

namespace velmora {

int TreeLinesPerPage(int page_height, int line_height) {
    using namespace tree_print;
    if (line_height <= 0) return 1;
    return std::max(1, page_height / line_height / kPixelsPerUnit - kHeaderLines);
}

int TreePageCount(int lines, int lines_per_page) {
    if (lines <= 0) return 1;
    const int per_page = std::max(1, lines_per_page);
    return (lines + per_page - 1) / per_page;
}

LineRange TreeLinesOnPage(int page, int lines, int lines_per_page) {
    const int per_page = std::max(1, lines_per_page);
    const int total = std::max(lines, 0);
    if (page < 1) return {};
    const int first = std::min((page - 1) * per_page, total);
    return {first, std::min(first + per_page, total)};
}

std::string TreePageLabel(int page) {
    return Fill(VT_TR("printing", "PAGE %1"), {std::to_string(page)});
}

TreePrintLayout::TreePrintLayout(std::vector<TreePrintLine> lines, const TreeScreenMetrics& screen,
                                 int page_width, int page_height)
    : lines_(std::move(lines)),
      screen_(screen),
      page_width_(page_width / tree_print::kPixelsPerUnit),
      lines_per_page_(TreeLinesPerPage(page_height, screen.line_height)),
      page_count_(TreePageCount(static_cast<int>(lines_.size()), lines_per_page_)) {}

LineRange TreePrintLayout::PageLines(int page) const {
    return TreeLinesOnPage(page, static_cast<int>(lines_.size()), lines_per_page_);
}

int TreePrintLayout::band_height() const {
    return std::max(1, screen_.line_height);
}

int TreePrintLayout::BandTop(int i) const {
    return tree_print::kFirstLineY + i * band_height();
}

int TreePrintLayout::LabelLeft(const TreePrintLine& line) const {
    const int levels = line.depth + (screen_.root_decorated ? 1 : 0);
    return levels * screen_.indentation - screen_.scroll_x + screen_.icon_size +
           tree_print::kIconGap;
}

int TreePrintLayout::TextRight(const TreePrintLine& line) const {
    const int label_right = LabelLeft(line) + line.label_width;
    return label_right + screen_.client_width + tree_print::kLabelAfter;
}

}  // namespace velmora
