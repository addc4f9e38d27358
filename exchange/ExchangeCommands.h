#pragma once
// The editor's File > Export entries and File > "Apply CSV Edits...": what they ask, the
// files they read and write, and what they tell. The caller records the undo step and
// shows the changed tables.

#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"
#include "database/Interaction.h"
#include "exchange/CsvEditsPreview.h"
#include "text/Translate.h"

namespace velmora {

// Translated where they are shown: Translate("exchange", ...).
//: A file dialog's filter: the labels only; the patterns and the | stay.
inline constexpr const char* kCsvFilter =
    VT_TR_NOOP("exchange", "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||");
// The export's types: the second writes a byte-order mark first, which Excel needs to
// read the file as UTF-8.
//: A file dialog's filter: the labels only; the patterns and the | stay.
inline constexpr const char* kCsvExportFilter =
    VT_TR_NOOP("exchange",
               "CSV Files (*.csv)|*.csv|CSV Files with byte-order mark, for Excel "
               "(*.csv)|*.csv|All Files (*.*)|*.*||");
inline constexpr int kCsvWithBomFilter = 1;
//: A file dialog's filter: the labels only; the patterns and the | stay.
inline constexpr const char* kHtmlFilter =
    VT_TR_NOOP("exchange", "HTML Files (*.html)|*.html|All Files (*.*)|*.*||");

struct ExchangeContext {
    const Database& db;
    bool radio_shown = false;  // the table the list shows
    std::vector<int> columns;  // the list's shown columns, for the HTML page
    Prompter& prompter;
    FileChooser& chooser;
    CsvEditsPreviewHost* preview = nullptr;  // "Apply CSV Edits..." asks it before applying
    std::string told = {};                   // what a command did, for the status bar
};

// The question an export asks first: Yes exports both tables, No the shown one.
std::string BothTablesQuestion(bool radio_shown);

// "Channels as CSV..." / "Channels as HTML...": asks whether both tables go out, then
// for a file (".csv" / ".html" appended when the name has no such ending), and writes it
// whole or not at all; a CSV begins with a byte-order mark when that type was chosen.
// True when written (`told` says so); "Can not save file!" when it could not be.
bool ExportChannelsCsv(ExchangeContext& c);
bool ExportChannelsHtml(ExchangeContext& c);

// "Apply CSV Edits...": asks for a channel CSV, tries it on a copy of the tables
// (ApplyCsvEdits) and, when a preview host is given, shows what it would do; Apply takes
// it over into `db`, Cancel changes nothing. A file that can't be read or is refused is
// told and changes nothing. True when the tables changed.
bool ApplyCsvEditsCommand(Database& db, ExchangeContext& c);

}  // namespace velmora
