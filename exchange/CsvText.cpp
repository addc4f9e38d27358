#include "exchange/CsvText.h"

#include <csv.h>

#include <algorithm>

namespace velmora {
namespace {

bool NeedsQuotes(std::string_view field) {
    if (field.empty()) return false;
    if (field.front() == ' ' || field.front() == '\t' || field.back() == ' ' ||
        field.back() == '\t')
        return true;
    return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

struct ReadState {
    CsvReadResult result;
    CsvRecord current;
    int line = 1;  // line of the chunk being parsed
};

void OnField(void* data, size_t size, void* state_ptr) {
    auto& state = *static_cast<ReadState*>(state_ptr);
    std::string field = data ? std::string(static_cast<const char*>(data), size) : std::string();
    // The field ends on the current line; it started as many lines earlier as it holds
    // line feeds.
    const int breaks = static_cast<int>(std::count(field.begin(), field.end(), '\n'));
    state.current.lines.push_back(state.line - breaks);
    state.current.fields.push_back(std::move(field));
}

void OnRecordEnd(int, void* state_ptr) {
    auto& state = *static_cast<ReadState*>(state_ptr);
    state.result.records.push_back(std::move(state.current));
    const size_t width = state.result.records.back().fields.size();
    state.current = CsvRecord{};
    state.current.fields.reserve(width);
    state.current.lines.reserve(width);
}

}  // namespace

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

CsvReadResult ReadCsvRecords(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    ReadState state;
    state.result.records.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) +
                                 1);
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        state.result.error = "line 1: out of memory";
        return std::move(state.result);
    }
    // RFC 4180: blanks belong to the field (libcsv would trim them off unquoted fields).
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    // One line at a time, so that every callback knows the line it runs on.
    size_t pos = 0;
    while (pos < text.size() && !state.result.error) {
        const size_t end = std::min(text.find('\n', pos), text.size() - 1) + 1;
        const std::string_view chunk = text.substr(pos, end - pos);
        if (csv_parse(&parser, chunk.data(), chunk.size(), OnField, OnRecordEnd, &state) !=
            chunk.size()) {
            state.result.error = "line " + std::to_string(state.line) + ": " +
                                 (csv_error(&parser) == CSV_EPARSE
                                      ? "A quote is out of place or a quoted field is not closed."
                                      : "The text could not be read.");
        }
        if (chunk.back() == '\n') ++state.line;
        pos = end;
    }
    if (!state.result.error && csv_fini(&parser, OnField, OnRecordEnd, &state) != 0) {
        // The last line is where the open quote ran out.
        const int last = state.line - (!text.empty() && text.back() == '\n' ? 1 : 0);
        state.result.error = "line " + std::to_string(last) + ": A quoted field is not closed.";
    }
    csv_free(&parser);
    return std::move(state.result);
}

}  // namespace velmora
