#pragma once
// The page layout of a channel list printout: the shown rows and columns as fixed-pitch
// text lines under a page header. Everything here is plain computation so that it can be
// checked without a printer; the Qt printer only draws the lines at the positions below.
//
// Units are the printer's device pixels, measured from the top-left corner of the
// printable area, y growing downwards. They are not scaled to the printer's resolution:
// the fonts are sized in points and so grow in pixels with the resolution, the offsets
// stay as they are.

#include <array>
#include <string>
#include <vector>

#include "channels/ChannelList.h"
#include "database/Database.h"

namespace velmora {

namespace channel_print {
inline constexpr const char* kTitle = "    K.M.";  // the page's header mark
inline constexpr int kTitleTenths = 180;           // title font size, tenths of a point
inline constexpr int kTitleX = 4;
inline constexpr int kTitleY = 4;
inline constexpr int kRuleY = 114;
inline constexpr int kPageNumberInset = 280;  // from the right edge
inline constexpr int kPageNumberY = 40;
inline constexpr int kTextX = 10;
inline constexpr int kHeaderY = 146;
inline constexpr int kFirstRowY = 160;  // row k (from 1) is printed at kFirstRowY + k * line height
inline constexpr int kHeaderBand = 200;  // page height taken by the header before rows fit
inline constexpr int kMinBodyTenths = 40;
inline constexpr int kMaxBodyTenths = 160;
inline constexpr int kBodyFontBudget = 8012;  // body size in tenths times the summed widths
}  // namespace channel_print

// Rows [first, end) of the listing.
struct RowRange {
    int first = 0;
    int end = 0;
    int size() const { return end - first; }
};

// The header a column prints under. Favourite columns print "FAV1".."FAV8" even when
// their groups have names on screen.
std::string PrintHeaderText(int column);

// Character widths every job starts from: the length of each column's header text, two
// more for "Lock" so that "Unlock" fits.
std::array<int, kColumnCount> DefaultPrintWidths();

// Width of the "Name" column for a longest name of `longest` characters: made even so the
// header centres, and never narrower than the header "Name" itself, whose bar would
// otherwise stand beyond the row slots.
int NameWidthFor(int longest);

// Body font size in tenths of a point for summed column widths `width_sum`, within 40..160.
int BodyFontTenths(int width_sum);

// Character height in device pixels of a font of `tenths` tenths of a point on a printer of
// `dpi_y` dots per inch vertically.
int CharHeight(int dpi_y, int tenths);

// Rows a page of printable height `page_height` holds at `line_height`; at least one, so
// that a short page or a tall font still makes progress.
int RowsPerPage(int page_height, int line_height);

// Pages needed for `rows` rows; an empty list still prints one page with its header.
int PageCountFor(int rows, int rows_per_page);

// Rows printed on page `page` (1-based); empty outside 1..page count.
RowRange RowsOnPage(int page, int rows, int rows_per_page);

// "|" then each column's header centred in its width (when there is room for a blank on
// both sides), each followed by "|".
std::string BuildHeaderLine(const std::vector<int>& columns,
                            const std::array<int, kColumnCount>& widths);

// " " then each cell padded with blanks to its column's width plus one; a longer cell is
// kept whole. `cells[i]` belongs to `columns[i]`.
std::string BuildRowLine(const std::vector<std::string>& cells, const std::vector<int>& columns,
                         const std::array<int, kColumnCount>& widths);

// What the printer device reports that the layout depends on.
struct PrinterMetrics {
    int page_height = 0;           // printable height, device pixels
    int dpi_y = 0;                 // vertical resolution
    int fallback_font_height = 0;  // height of the device's current font, device pixels
};

// One print job's layout, computed from the list as it is when the job begins.
class ChannelPrintLayout {
public:
    static ChannelPrintLayout Begin(const Database& db, const ChannelList& list,
                                    const PrinterMetrics& printer);

    std::vector<int> columns;  // shown columns, in column order
    std::array<int, kColumnCount> widths{};
    int body_tenths = 0;
    int line_height = 0;
    int rows_per_page = 1;
    int row_count = 0;
    int page_count = 1;

    std::string HeaderLine() const { return BuildHeaderLine(columns, widths); }
    // The text line of `row`, with the cell texts the list shows.
    std::string RowLine(const Database& db, const ChannelList& list, int row) const;
    RowRange PageRows(int page) const { return RowsOnPage(page, row_count, rows_per_page); }
    // y of the k-th row line of a page, k from 1.
    int RowY(int k) const { return channel_print::kFirstRowY + line_height * k; }
};

}  // namespace velmora
