#pragma once
// RFC 4180 text through libcsv: fields quoted only where they must be, and records read
// back with the line each field starts on, so that a message can point at it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Appends `field` to `out`: as it is when it needs no quotes, otherwise quoted by libcsv
// (a separator, a quote, a line break, or a blank at either end, which readers trim).
void AppendCsvField(std::string& out, std::string_view field);
// Appends the fields separated by commas and ended by CRLF.
void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields);

struct CsvRecord {
    std::vector<std::string> fields;
    std::vector<int> lines;  // the 1-based line each field starts on
    int line() const { return lines.empty() ? 0 : lines.front(); }
};

struct CsvReadResult {
    std::vector<CsvRecord> records;
    // "line N: ..." when the text is no valid CSV (an unclosed or stray quote); the
    // records are then incomplete.
    std::optional<std::string> error;
};

// Reads every record of `text` (CRLF or LF line ends). Fields are kept as they are,
// blanks included. Empty lines hold no record; a leading UTF-8 byte-order mark is skipped.
CsvReadResult ReadCsvRecords(std::string_view text);

}  // namespace velmora
