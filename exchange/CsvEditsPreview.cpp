#include "exchange/CsvEditsPreview.h"

namespace velmora {
namespace {

constexpr const char* kArrow = " \xE2\x86\x92 ";
constexpr const char* kTv = "TV ";
constexpr const char* kRadio = "Radio ";
constexpr const char* kMovedFrom = ", moved from ";
constexpr const char* kOtherChanged = ", PIDs, flags or marks changed";
constexpr const char* kWarningEnd =
    ": a spreadsheet may have changed them on opening the file. They are listed first; "
    "check them before you apply.";

std::string RowText(const CsvEditChange& c) {
    std::string text = std::string(c.radio ? kRadio : kTv) + std::to_string(c.to + 1) + ": ";
    text += c.renamed ? c.old_name + kArrow + c.name : c.name;
    if (c.moved) text += kMovedFrom + std::to_string(c.from + 1);
    if (c.other) text += kOtherChanged;
    return text;
}

}  // namespace

CsvEditsPreview MakeCsvEditsPreview(const CsvEditsResult& result) {
    CsvEditsPreview preview;
    preview.summary = SummaryLine(result.summary);
    if (result.summary.looks_converted > 0)
        preview.warning = ConvertedNamesLine(result.summary.looks_converted) + kWarningEnd;
    for (const CsvEditChange& c : result.changes) {
        preview.rows.push_back(RowText(c));
        preview.converted_rows += c.looks_converted;
    }
    return preview;
}

}  // namespace velmora
