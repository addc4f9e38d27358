#include "exchange/ExchangeCommands.h"

#include <algorithm>
#include <cctype>

#include "database/CVelmoraDoc.h"
#include "database/DatabaseFile.h"
#include "exchange/ChannelCsv.h"
#include "exchange/ChannelHtml.h"
#include "exchange/CsvEdits.h"

namespace velmora {
namespace {

// `path` with `ending` appended unless it already ends so, in any case.
std::string WithEnding(const std::string& path, std::string_view ending) {
    if (path.size() >= ending.size()) {
        const std::string tail = path.substr(path.size() - ending.size());
        if (std::equal(tail.begin(), tail.end(), ending.begin(), ending.end(),
                       [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
            return path;
    }
    return path + std::string(ending);
}

ChannelTables AskTables(ExchangeContext& c) {
    if (c.prompter.AskYes(BothTablesQuestion(c.radio_shown))) return ChannelTables::Both;
    return c.radio_shown ? ChannelTables::Radio : ChannelTables::Tv;
}

template <typename MakeText>
bool Export(ExchangeContext& c, std::string_view title, std::string_view filter,
            std::string_view ending, MakeText make_text) {
    if (!c.db.database_open) return false;
    const ChannelTables tables = AskTables(c);
    const auto chosen = c.chooser.Choose(FileChoice{true, std::string(title), std::string(filter)});
    if (!chosen) return false;
    const std::string text = make_text(tables);
    if (!ReplaceFileAtomically(WithEnding(*chosen, ending),
                               std::vector<uint8_t>(text.begin(), text.end()))) {
        c.prompter.Tell(kMsgCannotSave, Icon::Error);
        return false;
    }
    return true;
}

}  // namespace

std::string BothTablesQuestion(bool radio_shown) {
    return radio_shown ? "Export the TV channels as well as the radio channels?\n"
                         "No exports the radio channels only."
                       : "Export the radio channels as well as the TV channels?\n"
                         "No exports the TV channels only.";
}

bool ExportChannelsCsv(ExchangeContext& c) {
    return Export(c, "Export Channels as CSV", kCsvFilter, ".csv",
                  [&](ChannelTables tables) { return ChannelsCsv(c.db, tables); });
}

bool ExportChannelsHtml(ExchangeContext& c) {
    return Export(c, "Export Channels as HTML", kHtmlFilter, ".html", [&](ChannelTables tables) {
        return ChannelsHtml(c.db, tables, c.columns, PageTitleOfPath(c.db.path_name));
    });
}

bool ApplyCsvEditsCommand(Database& db, ExchangeContext& c) {
    if (!db.database_open) return false;
    const auto chosen =
        c.chooser.Choose(FileChoice{false, "Apply CSV Edits", std::string(kCsvFilter)});
    if (!chosen) return false;
    // Read row by row from the file: a huge file is refused at its first bad line and
    // never held whole.
    const CsvEditsResult result = ApplyCsvEdits(db, CsvInput{{}, *chosen});
    if (!result.opened) {
        c.prompter.Tell(kMsgCannotOpen, Icon::Error);
        return false;
    }
    if (result.refusal) {
        c.prompter.Tell(*result.refusal, Icon::Error);
        return false;
    }
    return result.changed;
}

}  // namespace velmora
