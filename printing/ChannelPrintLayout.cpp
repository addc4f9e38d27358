#include "printing/ChannelPrintLayout.h"

#include <algorithm>
#include <cstdlib>

#include "database/Latin1.h"
#include "text/Translate.h"

namespace velmora {
namespace {

// English; printed translated, so the columns take the width of the translated words.
constexpr std::array<const char*, kColFav1> kFixedHeaders = {
    VT_TR_NOOP("printing", "Index"),     VT_TR_NOOP("printing", "Name"),
    VT_TR_NOOP("printing", "FTA/CAS"),   VT_TR_NOOP("printing", "Lock"),
    VT_TR_NOOP("printing", "Video PID"), VT_TR_NOOP("printing", "Audio PID"),
    VT_TR_NOOP("printing", "PCR PID"),   VT_TR_NOOP("printing", "TXT PID")};

}  // namespace

std::string PrintHeaderText(int column) {
    if (column < kColFav1) return Translate("printing", kFixedHeaders[column]);
    return "FAV" + std::to_string(column - kColFav1 + 1);
}

std::array<int, kColumnCount> DefaultPrintWidths() {
    std::array<int, kColumnCount> widths{};
    for (int c = 0; c < kColumnCount; ++c)
        widths[c] = static_cast<int>(Utf8Length(PrintHeaderText(c)));
    widths[kColLock] += 2;
    return widths;
}

int NameWidthFor(int longest) {
    const int even = longest + (longest % 2);
    return std::max(even, static_cast<int>(Utf8Length(PrintHeaderText(kColName))));
}

int BodyFontTenths(int width_sum) {
    using namespace channel_print;
    if (width_sum <= 0) return kMaxBodyTenths;
    return std::clamp(kBodyFontBudget / width_sum, kMinBodyTenths, kMaxBodyTenths);
}

int CharHeight(int dpi_y, int tenths) {
    return dpi_y * tenths / 720;
}

int RowsPerPage(int page_height, int line_height) {
    if (line_height <= 0) return 1;
    return std::max(1, (page_height - channel_print::kHeaderBand) / line_height - 1);
}

int PageCountFor(int rows, int rows_per_page) {
    if (rows <= 0) return 1;
    const int per_page = std::max(1, rows_per_page);
    return (rows + per_page - 1) / per_page;
}

RowRange RowsOnPage(int page, int rows, int rows_per_page) {
    const int per_page = std::max(1, rows_per_page);
    if (page < 1) return {};
    const int first = std::min((page - 1) * per_page, std::max(rows, 0));
    return {first, std::min(first + per_page, std::max(rows, 0))};
}

std::string BuildHeaderLine(const std::vector<int>& columns,
                            const std::array<int, kColumnCount>& widths) {
    std::string line = "|";
    for (int c : columns) {
        const std::string text = PrintHeaderText(c);
        const int spare = widths[c] - static_cast<int>(Utf8Length(text));
        if (spare >= 2) {
            const std::string side(spare / 2, ' ');
            line += side + text + side;
        } else {
            line += text;
        }
        line += '|';
    }
    return line;
}

std::string BuildRowLine(const std::vector<std::string>& cells, const std::vector<int>& columns,
                         const std::array<int, kColumnCount>& widths) {
    std::string line = " ";
    for (size_t i = 0; i < columns.size() && i < cells.size(); ++i) {
        const size_t slot = static_cast<size_t>(std::max(widths[columns[i]], 0)) + 1;
        line += cells[i];
        const size_t length = Utf8Length(cells[i]);
        if (length < slot) line.append(slot - length, ' ');
    }
    return line;
}

ChannelPrintLayout ChannelPrintLayout::Begin(const Database& db, const ChannelList& list,
                                             const PrinterMetrics& printer) {
    ChannelPrintLayout layout;
    layout.columns = list.ShownColumns();
    layout.row_count = list.row_count();
    layout.widths = DefaultPrintWidths();

    size_t longest = 0;
    for (int r = 0; r < layout.row_count; ++r)
        longest = std::max(longest, Utf8Length(list.CellText(db, r, kColName)));
    layout.widths[kColName] = NameWidthFor(static_cast<int>(longest));

    int sum = 0;
    for (int c : layout.columns) sum += layout.widths[c];
    layout.body_tenths = BodyFontTenths(sum);

    const int height = std::abs(CharHeight(printer.dpi_y, layout.body_tenths));
    layout.line_height = (height != 0 ? height : std::abs(printer.fallback_font_height)) + 4;
    layout.rows_per_page = RowsPerPage(printer.page_height, layout.line_height);
    layout.page_count = PageCountFor(layout.row_count, layout.rows_per_page);
    return layout;
}

std::string ChannelPrintLayout::RowLine(const Database& db, const ChannelList& list,
                                        int row) const {
    std::vector<std::string> cells;
    cells.reserve(columns.size());
    for (int c : columns) cells.push_back(list.CellText(db, row, c));
    return BuildRowLine(cells, columns, widths);
}

}  // namespace velmora
