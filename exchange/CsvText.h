#pragma once
// RFC 4180 text through libcsv: fields quoted only where they must be, and records read
// back one at a time with the line each field starts on, so that a message can point at
// it. Reading holds one record at a time, never the whole text.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Appends `field` to `out`: as it is when it needs no quotes, otherwise quoted by libcsv
// (',' or ';', a quote, a line break, or a blank at either end, which readers trim).
void AppendCsvField(std::string& out, std::string_view field);
// Appends the fields separated by commas and ended by CRLF.
void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields);

struct CsvRecord {
    std::vector<std::string> fields;
    std::vector<int> lines;  // the 1-based line each field starts on
    int line() const { return lines.empty() ? 0 : lines.front(); }
};

// No record of any CSV this program reads comes near these; a longer field or a wider
// line is refused where it starts instead of being held.
inline constexpr size_t kMaxCsvFieldBytes = 4096;
inline constexpr size_t kMaxCsvFields = 64;

// Takes one record as it is read; a message ("line N, ...: ...") refuses the text there.
using CsvRecordHandler = std::function<std::optional<std::string>(CsvRecord&)>;

// Reads CSV text handed to it in pieces of any size (CRLF, LF or CR line ends; a leading
// UTF-8 byte-order mark is skipped). Fields are kept as they are, blanks included; empty
// lines hold no record. The first refusal, of the text or of the handler, stops it.
class CsvReader {
public:
    // With `separator_from_header`, fields are separated by ';' when the first line
    // separates its fields so (spreadsheets in most European locales save CSV that way),
    // otherwise by ','.
    explicit CsvReader(CsvRecordHandler on_record, bool separator_from_header = false);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // False once the text is refused; later pieces are ignored.
    bool Feed(std::string_view piece);
    // The end of the text: the last record, or the quote left open ("line N" where it
    // opened). False when the text is refused.
    bool Finish();
    const std::optional<std::string>& refusal() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Text to read: in memory, or the file at `path` read in blocks, never whole.
struct CsvInput {
    std::string_view text;
    std::string path;                    // when set, the file is read instead of `text`
    bool separator_from_header = false;  // ';' or ',' as the first line has it (CsvReader)
};

struct CsvReadOutcome {
    bool opened = true;  // false: the file could not be opened or read (ReadInputFile's rules)
    std::optional<std::string> refusal;
};

// Reads `input` through `on_record` up to its end or its first refusal.
CsvReadOutcome ReadCsv(const CsvInput& input, const CsvRecordHandler& on_record);

struct CsvReadResult {
    std::vector<CsvRecord> records;
    // "line N: ..." when the text is no valid CSV (an unclosed or stray quote); the
    // records are then incomplete.
    std::optional<std::string> error;
};

// Every record of `text` at once, for texts known to be small.
CsvReadResult ReadCsvRecords(std::string_view text);

}  // namespace velmora
