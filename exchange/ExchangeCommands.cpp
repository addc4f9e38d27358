#include "exchange/ExchangeCommands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>

#include "database/CVelmoraDoc.h"
#include "database/DatabaseFile.h"
#include "exchange/ChannelCsv.h"
#include "exchange/ChannelHtml.h"
#include "exchange/CsvEdits.h"
#include "text/Translate.h"

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

// `title` and `filter` as marked ("exchange"), translated here; `make_text` gets the
// tables and the position of the file type chosen.
template <typename MakeText>
bool Export(ExchangeContext& c, const char* title, const char* filter, std::string_view ending,
            MakeText make_text) {
    if (!c.db.database_open) return false;
    const ChannelTables tables = AskTables(c);
    // "channels.sdx" proposes "channels.csv" beside it.
    std::string proposed;
    if (!c.db.path_name.empty())
        proposed = std::filesystem::path(c.db.path_name).replace_extension(ending).string();
    const std::string shown_filter = Translate("exchange", filter);
    const auto chosen = c.chooser.Choose(FileChoice{.save = true,
                                                    .title = Translate("exchange", title),
                                                    .filter = shown_filter,
                                                    .proposed = proposed});
    if (!chosen) return false;
    const std::string text = make_text(tables, c.chooser.ChosenType());
    const std::string path = WithEnding(*chosen, ending);
    if (!ReplaceFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()))) {
        c.prompter.Tell(Translate("database", kMsgCannotSave.data()), Icon::Error);
        return false;
    }
    c.told = Fill(VT_TR("exchange", "Exported to %1"), {PageTitleOfPath(path)});
    return true;
}

}  // namespace

std::string BothTablesQuestion(bool radio_shown) {
    return radio_shown ? VT_TR("exchange",
                               "Export the TV channels as well as the radio channels?\n"
                               "No exports the radio channels only.")
                       : VT_TR("exchange",
                               "Export the radio channels as well as the TV channels?\n"
                               "No exports the TV channels only.");
}

bool ExportChannelsCsv(ExchangeContext& c) {
    return Export(c, VT_TR_NOOP("exchange", "Export Channels as CSV"), kCsvExportFilter, ".csv",
                  [&](ChannelTables tables, int type) {
                      return ChannelsCsv(c.db, tables, type == kCsvWithBomFilter);
                  });
}

bool ExportChannelsHtml(ExchangeContext& c) {
    return Export(c, VT_TR_NOOP("exchange", "Export Channels as HTML"), kHtmlFilter, ".html",
                  [&](ChannelTables tables, int) {
                      return ChannelsHtml(c.db, tables, c.columns, PageTitleOfPath(c.db.path_name));
                  });
}

bool ApplyCsvEditsCommand(Database& db, ExchangeContext& c) {
    if (!db.database_open) return false;
    const auto chosen = c.chooser.Choose(
        FileChoice{false, VT_TR("exchange", "Apply CSV Edits"), Translate("exchange", kCsvFilter)});
    if (!chosen) return false;
    // Read row by row from the file: a huge file is refused at its first bad line and
    // never held whole. Tried on a copy, so that the preview's Cancel changes nothing.
    auto trial = std::make_unique<Database>();
    trial->tables() = db.tables();
    const CsvEditsResult result = ApplyCsvEdits(*trial, CsvInput{{}, *chosen});
    if (!result.opened) {
        c.prompter.Tell(Translate("database", kMsgCannotOpen.data()), Icon::Error);
        return false;
    }
    if (result.refusal) {
        c.prompter.Tell(*result.refusal, Icon::Error);
        return false;
    }
    if (c.preview && !c.preview->RunCsvEditsPreview(MakeCsvEditsPreview(result))) return false;
    c.told = result.changed ? SummaryLine(result.summary)
                            : VT_TR("exchange", "The CSV file changes nothing.");
    if (result.changed) db.tables() = trial->tables();
    return result.changed;
}

}  // namespace velmora
