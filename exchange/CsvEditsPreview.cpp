#include "exchange/CsvEditsPreview.h"

#include "text/Translate.h"

namespace velmora {
namespace {

constexpr const char* kArrow = " \xE2\x86\x92 ";

std::string RowText(const CsvEditChange& c) {
    const std::string name = c.renamed ? c.old_name + kArrow + c.name : c.name;
    //: A changed channel: "TV 3: Das Erste", "Radio 2: old name → new name".
    std::string text =
        Fill(c.radio ? VT_TR("exchange", "Radio %1: %2") : VT_TR("exchange", "TV %1: %2"),
             {std::to_string(c.to + 1), name});
    if (c.moved)
        text += ", " + Fill(VT_TR("exchange", "moved from %1"), {std::to_string(c.from + 1)});
    if (c.other) text += ", " + VT_TR("exchange", "PIDs, flags or marks changed");
    return text;
}

}  // namespace

CsvEditsPreview MakeCsvEditsPreview(const CsvEditsResult& result) {
    CsvEditsPreview preview;
    preview.summary = SummaryLine(result.summary);
    if (result.summary.looks_converted > 0) {
        //: %1 is "N names look converted by a spreadsheet".
        preview.warning = Fill(VT_TR("exchange",
                                     "%1: a spreadsheet may have changed them on opening the file. "
                                     "They are listed first; check them before you apply."),
                               {ConvertedNamesLine(result.summary.looks_converted)});
    }
    for (const CsvEditChange& c : result.changes) {
        preview.rows.push_back(RowText(c));
        preview.converted_rows += c.looks_converted;
    }
    return preview;
}

}  // namespace velmora
