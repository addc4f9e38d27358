#pragma once
// What "Apply CSV Edits..." shows before it changes anything: the summary line and one row
// per changed channel, the names a spreadsheet seems to have converted first.

#include <string>
#include <vector>

#include "exchange/CsvEdits.h"

namespace velmora {

struct CsvEditsPreview {
    std::string summary;  // SummaryLine
    std::string warning;  // empty unless some names look converted
    // "TV 3: Das Erste → Das Erste HD, moved from 5, PIDs, flags or marks changed"
    std::vector<std::string> rows;
    int converted_rows = 0;  // the first rows: their names look converted
};

CsvEditsPreview MakeCsvEditsPreview(const CsvEditsResult& result);

// The dialog that shows the preview: true when the user chose Apply.
class CsvEditsPreviewHost {
public:
    virtual ~CsvEditsPreviewHost() = default;
    virtual bool RunCsvEditsPreview(const CsvEditsPreview& preview) = 0;
};

}  // namespace velmora
