#pragma once
// The page layout of a tree printout: every line visible in the tree, in display order,
// with its icon and label under a page header. Plain computation, so pagination and
// positions are checked without a printer; the Qt printer draws what this says.
//
// Positions are drawing units: one unit is four printer pixels in each direction, and the
// x positions follow the tree's on-screen geometry in screen pixels, so the indentation
// and horizontal scroll position show on paper.

#include <string>
#include <vector>

namespace velmora {

namespace tree_print {
inline constexpr int kPixelsPerUnit = 4;  // printer pixels per drawing unit
inline constexpr const char* kHeaderMark = "    QVR";
inline constexpr double kHeaderPoints = 6.4;  // header font size, in drawing units
inline constexpr int kBodyHeight = 12;        // body font height, drawing units
inline constexpr int kHeaderMarkY = 44;
inline constexpr int kPageNumberInset = 64;  // from the right edge
inline constexpr int kPageNumberY = 64;
inline constexpr int kRuleY = 84;
inline constexpr int kFirstLineY = 100;
inline constexpr int kHeaderLines = 9;  // lines a page gives up to its header and margins
inline constexpr int kIconBefore = 10;  // icon starts this far left of the label
inline constexpr int kLabelAfter = 10;  // label text starts this far right of it
inline constexpr int kIconGap = 4;      // screen pixels between a row's icon and its label
}  // namespace tree_print

// One visible line of the tree.
struct TreePrintLine {
    std::string text;     // the label, bytes shown as ISO-8859-1
    int depth = 0;        // 0 for a root node
    int icon = -1;        // index of the line's icon, -1 for none
    int label_width = 0;  // width of the label on screen, pixels
};

// The tree's on-screen geometry, screen pixels.
struct TreeScreenMetrics {
    int line_height = 0;  // height of one row
    int indentation = 0;  // per level
    int icon_size = 16;
    int scroll_x = 0;            // horizontal scroll position
    int client_width = 0;        // right edge of a row
    bool root_decorated = true;  // roots carry an expand button, as every level does
};

// Lines [first, end) of the visible lines.
struct LineRange {
    int first = 0;
    int end = 0;
    int size() const { return end - first; }
};

// Lines a page of `page_height` printer pixels holds for rows `line_height` screen pixels
// high; at least one, so that a short page or a tall row still makes progress.
int TreeLinesPerPage(int page_height, int line_height);

// Pages for `lines` lines: whole pages, no empty last page, and at least one page.
int TreePageCount(int lines, int lines_per_page);

// Lines printed on page `page` (1-based); empty outside 1..page count.
LineRange TreeLinesOnPage(int page, int lines, int lines_per_page);

// "PAGE %d".
std::string TreePageLabel(int page);

// One print run's layout, taken from the tree as it is when the run begins.
class TreePrintLayout {
public:
    TreePrintLayout(std::vector<TreePrintLine> lines, const TreeScreenMetrics& screen,
                    int page_width, int page_height);

    const std::vector<TreePrintLine>& lines() const { return lines_; }
    const TreeScreenMetrics& screen() const { return screen_; }
    int lines_per_page() const { return lines_per_page_; }
    int page_count() const { return page_count_; }
    // Printable width in drawing units.
    int page_width() const { return page_width_; }

    LineRange PageLines(int page) const;
    // Top of the band of the i-th line of a page (from 0).
    int BandTop(int i) const;
    int band_height() const;
    // Left edge of a line's label on screen.
    int LabelLeft(const TreePrintLine& line) const;
    int IconX(const TreePrintLine& line) const { return LabelLeft(line) - tree_print::kIconBefore; }
    // The rectangle the label is drawn and clipped into, [left, right).
    int TextLeft(const TreePrintLine& line) const {
        return LabelLeft(line) + tree_print::kLabelAfter;
    }
    int TextRight(const TreePrintLine& line) const;
    int PageNumberX() const { return page_width_ - tree_print::kPageNumberInset; }

private:
    std::vector<TreePrintLine> lines_;
    TreeScreenMetrics screen_;
    int page_width_ = 0;
    int lines_per_page_ = 1;
    int page_count_ = 1;
};

}  // namespace velmora
