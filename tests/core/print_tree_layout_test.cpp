#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/TreePrintLayout.h"

namespace velmora {
namespace {

std::vector<TreePrintLine> Lines(int count) {
    std::vector<TreePrintLine> lines;
    for (int i = 0; i < count; ++i) lines.push_back({"line " + std::to_string(i), 1, 3, 80});
    return lines;
}

TreeScreenMetrics Screen(int line_height = 20) {
    TreeScreenMetrics screen;
    screen.line_height = line_height;
    screen.indentation = 20;
    screen.client_width = 300;
    return screen;
}

// A4 at 300 dpi: 2395 by 3424 printable pixels. 3424 / 20 / 4 - 9 = 33 lines.
constexpr int kWidth = 2395;
constexpr int kHeight = 3424;

TEST(TreePrintLayout, LinesPerPageLeavesNineLinesToTheHeader) {
    EXPECT_EQ(TreeLinesPerPage(kHeight, 20), 33);
    EXPECT_EQ(TreeLinesPerPage(kHeight, 16), 44);
}

TEST(TreePrintLayout, WholePagesLeaveNoEmptyLastPage) {
    const TreePrintLayout two(Lines(66), Screen(), kWidth, kHeight);
    EXPECT_EQ(two.page_count(), 2);
    EXPECT_EQ(two.PageLines(2).first, 33);
    EXPECT_EQ(two.PageLines(2).size(), 33);

    const TreePrintLayout three(Lines(67), Screen(), kWidth, kHeight);
    EXPECT_EQ(three.page_count(), 3);
    EXPECT_EQ(three.PageLines(3).first, 66);
    EXPECT_EQ(three.PageLines(3).size(), 1);
}

TEST(TreePrintLayout, EveryLineIsPrintedOnceInDisplayOrder) {
    const TreePrintLayout layout(Lines(100), Screen(), kWidth, kHeight);
    int next = 0;
    for (int p = 1; p <= layout.page_count(); ++p) {
        const LineRange range = layout.PageLines(p);
        EXPECT_EQ(range.first, next);
        EXPECT_GT(range.size(), 0);
        next = range.end;
    }
    EXPECT_EQ(next, 100);
    EXPECT_EQ(layout.PageLines(layout.page_count() + 1).size(), 0);
}

TEST(TreePrintLayout, RootNodesAloneFitOnOnePage) {
    std::vector<TreePrintLine> roots;
    for (const char* label : {"All Services", "Antenna", "Channel List", "FAV List",
                              "Parental Control", "Other Setting"})
        roots.push_back({label, 0, -1, 60});
    const TreePrintLayout layout(roots, Screen(), kWidth, kHeight);
    EXPECT_EQ(layout.page_count(), 1);
    EXPECT_EQ(layout.PageLines(1).size(), 6);
    EXPECT_EQ(layout.lines()[layout.PageLines(1).first].text, "All Services");
}

TEST(TreePrintLayout, EveryRunPrintsAtLeastOneLinePerPageAndOnePage) {
    EXPECT_EQ(TreeLinesPerPage(400, 20), 1);     // 400 / 20 / 4 - 9 < 0
    EXPECT_EQ(TreeLinesPerPage(kHeight, 0), 1);  // a tree with no rows laid out
    const TreePrintLayout layout(Lines(3), Screen(400), kWidth, kHeight);
    EXPECT_EQ(layout.lines_per_page(), 1);
    EXPECT_EQ(layout.page_count(), 3);

    const TreePrintLayout empty({}, Screen(), kWidth, kHeight);
    EXPECT_EQ(empty.page_count(), 1);
}

TEST(TreePrintLayout, LinesFollowTheScreenIndentationAndScroll) {
    TreeScreenMetrics screen = Screen();
    const TreePrintLine root{"Antenna", 0, 6, 50};
    const TreePrintLine transponder{"1 | 11747 | VER | 27500 | 3/4", 2, 3, 150};
    const TreePrintLayout layout({root, transponder}, screen, kWidth, kHeight);
    // Roots are decorated: one indentation, the 16-pixel icon and its gap.
    EXPECT_EQ(layout.LabelLeft(root), 20 + 16 + 4);
    EXPECT_EQ(layout.LabelLeft(transponder) - layout.LabelLeft(root), 40);
    EXPECT_EQ(layout.IconX(root), layout.LabelLeft(root) - 10);
    EXPECT_EQ(layout.TextLeft(root), layout.LabelLeft(root) + 10);
    EXPECT_EQ(layout.TextRight(transponder), layout.LabelLeft(transponder) + 150 + 300 + 10);

    screen.scroll_x = 15;
    const TreePrintLayout scrolled({root}, screen, kWidth, kHeight);
    EXPECT_EQ(scrolled.LabelLeft(root), layout.LabelLeft(root) - 15);
}

}  // namespace
}  // namespace velmora
