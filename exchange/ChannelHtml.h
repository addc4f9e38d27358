#pragma once
// The channel list as one self-contained HTML page (inline style, no scripts) that looks
// like the printed list: the same columns, cells and headers, the favourite columns titled
// with the groups' names, and a print style so that it prints well from a browser.

#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"
#include "exchange/ChannelCsv.h"

namespace velmora {

// `text` with &, <, >, " and ' replaced by their character references, safe inside
// element content and quoted attribute values.
std::string EscapeHtml(std::string_view text);

// The page for the channels of `tables`, one table per channel table, showing `columns`
// (list columns, Index and Name always among them) under the heading `title` (UTF-8).
std::string ChannelsHtml(const Database& db, ChannelTables tables, const std::vector<int>& columns,
                         std::string_view title);

// The page title for a database file: its file name, as UTF-8 (a name that is not UTF-8 is
// read as ISO-8859-1).
std::string PageTitleOfPath(const std::string& path);

// Every list column, for a page made without a view's column choice.
std::vector<int> AllListColumns();

}  // namespace velmora
