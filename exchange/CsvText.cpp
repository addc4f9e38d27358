#include "exchange/CsvText.h"

#include <csv.h>

#include <algorithm>

#include "database/DatabaseFile.h"
#include "text/Translate.h"

namespace velmora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Pieces parsed at once: each ends at a line end or after this many bytes, so that every
// callback knows its line and a refusal stops within a few kilobytes.
constexpr size_t kChunkBytes = 4096;

// Translated where a refusal is made: Translate("exchange", ...).
constexpr const char* kQuoteMessage =
    VT_TR_NOOP("exchange", "A quote is out of place or a quoted field is not closed.");
constexpr const char* kOpenQuoteMessage = VT_TR_NOOP("exchange", "A quoted field is not closed.");
constexpr const char* kUnreadableMessage = VT_TR_NOOP("exchange", "The text could not be read.");

bool NeedsQuotes(std::string_view field) {
    if (field.empty()) return false;
    if (field.front() == ' ' || field.front() == '\t' || field.back() == ' ' ||
        field.back() == '\t')
        return true;
    // ';' too: spreadsheets of most European locales split there.
    return field.find_first_of(",;\"\r\n") != std::string_view::npos;
}

// Line breaks in `text`: CR, LF and CRLF each count once. `after_cr` carries a CR at the
// end of one piece over to the next.
int CountLineBreaks(std::string_view text, bool& after_cr) {
    int breaks = 0;
    for (const char c : text) {
        if (c == '\r') {
            ++breaks;
            after_cr = true;
            continue;
        }
        if (c == '\n' && !after_cr) ++breaks;
        after_cr = false;
    }
    return breaks;
}

int CountLineBreaks(std::string_view text) {
    bool after_cr = false;
    return CountLineBreaks(text, after_cr);
}

std::string AtLine(int line, std::string_view message) {
    //: Where a file is refused, then why: "line 3: A quoted field is not closed."
    return Fill(VT_TR("exchange", "line %1: %2"), {std::to_string(line), message});
}

}  // namespace

struct CsvReader::State {
    csv_parser parser{};
    bool ready = false;
    CsvRecordHandler on_record;
    CsvRecord current;
    bool too_wide = false;  // the current record has more than kMaxCsvFields fields
    int line = 1;           // the line the chunk being parsed starts on
    bool after_cr = false;
    bool decide_separator = false;  // until the first line showed ',' or ';'
    bool started = false;           // past the place of a byte-order mark
    std::string head;               // the first bytes, until a byte-order mark is ruled out
    std::optional<std::string> refusal;

    // Where the field libcsv is still collecting started.
    int OpenFieldLine() const {
        const std::string_view open(reinterpret_cast<const char*>(parser.entry_buf),
                                    parser.entry_buf ? parser.entry_pos : 0);
        return line - CountLineBreaks(open);
    }

    std::string WideLine() const {
        return AtLine(current.line(), Fill(VT_TR("exchange", "The line has more than %1 fields."),
                                           {std::to_string(kMaxCsvFields)}));
    }

    static void OnField(void* data, size_t size, void* self) {
        auto& s = *static_cast<State*>(self);
        if (s.refusal || s.too_wide) return;
        if (s.current.fields.size() == kMaxCsvFields) {
            s.too_wide = true;
            return;
        }
        std::string field =
            data ? std::string(static_cast<const char*>(data), size) : std::string();
        // The field ends on the chunk's line; it started as many lines earlier as it holds
        // line breaks.
        s.current.lines.push_back(s.line - CountLineBreaks(field));
        s.current.fields.push_back(std::move(field));
    }

    static void OnRecordEnd(int, void* self) {
        auto& s = *static_cast<State*>(self);
        if (!s.refusal) {
            if (s.too_wide) {
                s.refusal = s.WideLine();
            } else {
                s.refusal = s.on_record(s.current);
            }
        }
        s.current = CsvRecord{};
        s.too_wide = false;
    }

    void ParseChunk(std::string_view chunk) {
        if (decide_separator) {
            // Chunks end at line ends, so the first one showing a separator is the first line.
            const size_t at = chunk.find_first_of(",;");
            if (at != std::string_view::npos) {
                if (chunk[at] == ';') csv_set_delim(&parser, ';');
                decide_separator = false;
            }
        }
        if (csv_parse(&parser, chunk.data(), chunk.size(), OnField, OnRecordEnd, this) !=
                chunk.size() &&
            !refusal) {
            refusal = AtLine(
                line, Translate("exchange", csv_error(&parser) == CSV_EPARSE ? kQuoteMessage
                                                                             : kUnreadableMessage));
        }
        if (refusal) return;
        line += CountLineBreaks(chunk, after_cr);
        if (too_wide) {
            refusal = WideLine();
        } else if (parser.entry_pos > kMaxCsvFieldBytes) {
            refusal =
                AtLine(OpenFieldLine(), Fill(VT_TR("exchange", "A field is longer than %1 bytes."),
                                             {std::to_string(kMaxCsvFieldBytes)}));
        }
    }

    void ParseText(std::string_view text) {
        size_t pos = 0;
        while (pos < text.size() && !refusal) {
            const size_t limit = std::min(text.size(), pos + kChunkBytes);
            size_t end = pos;
            while (end < limit && text[end] != '\n' && text[end] != '\r') ++end;
            end = std::min(end + 1, limit);
            ParseChunk(text.substr(pos, end - pos));
            pos = end;
        }
    }
};

CsvReader::CsvReader(CsvRecordHandler on_record, bool separator_from_header)
    : state_(std::make_unique<State>()) {
    state_->on_record = std::move(on_record);
    state_->decide_separator = separator_from_header;
    if (csv_init(&state_->parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        state_->refusal = AtLine(1, Translate("exchange", kUnreadableMessage));
        return;
    }
    state_->ready = true;
    // RFC 4180: blanks belong to the field (libcsv would trim them off unquoted fields).
    csv_set_space_func(&state_->parser, [](unsigned char) { return 0; });
}

CsvReader::~CsvReader() {
    if (state_->ready) csv_free(&state_->parser);
}

bool CsvReader::Feed(std::string_view piece) {
    State& s = *state_;
    if (s.refusal) return false;
    if (!s.started) {
        const size_t wanted = std::min(piece.size(), kByteOrderMark.size() - s.head.size());
        s.head.append(piece.substr(0, wanted));
        piece.remove_prefix(wanted);
        if (s.head.size() < kByteOrderMark.size()) return true;
        s.started = true;
        s.ParseText(s.head == kByteOrderMark ? std::string_view{} : std::string_view(s.head));
    }
    s.ParseText(piece);
    return !s.refusal;
}

bool CsvReader::Finish() {
    State& s = *state_;
    if (!s.started && !s.refusal) {
        s.started = true;
        s.ParseText(s.head);
    }
    if (s.refusal) return false;
    if (csv_fini(&s.parser, State::OnField, State::OnRecordEnd, &s) != 0 && !s.refusal)
        s.refusal = AtLine(s.OpenFieldLine(), Translate("exchange", kOpenQuoteMessage));
    return !s.refusal;
}

const std::optional<std::string>& CsvReader::refusal() const {
    return state_->refusal;
}

void AppendCsvField(std::string& out, std::string_view field) {
    if (!NeedsQuotes(field)) {
        out.append(field);
        return;
    }
    const size_t start = out.size();
    const size_t needed = csv_write(nullptr, 0, field.data(), field.size());
    out.resize(start + needed);
    csv_write(out.data() + start, needed, field.data(), field.size());
}

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out.push_back(',');
        AppendCsvField(out, fields[i]);
    }
    out.append("\r\n");
}

CsvReadOutcome ReadCsv(const CsvInput& input, const CsvRecordHandler& on_record) {
    CsvReadOutcome outcome;
    CsvReader reader(on_record, input.separator_from_header);
    if (input.path.empty()) {
        if (reader.Feed(input.text)) reader.Finish();
    } else {
        outcome.opened = ReadInputFileInBlocks(
            input.path, [&reader](std::string_view block) { return reader.Feed(block); });
        if (!outcome.opened) return outcome;
        if (!reader.refusal()) reader.Finish();
    }
    outcome.refusal = reader.refusal();
    return outcome;
}

CsvReadResult ReadCsvRecords(std::string_view text) {
    CsvReadResult result;
    const CsvReadOutcome outcome = ReadCsv({text, {}}, [&result](CsvRecord& record) {
        result.records.push_back(std::move(record));
        return std::optional<std::string>();
    });
    result.error = outcome.refusal;
    return result;
}

}  // namespace velmora
