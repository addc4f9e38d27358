#include "exchange/ChannelHtml.h"

#include <algorithm>

#include "channels/ChannelList.h"
#include "database/Latin1.h"
#include "printing/ChannelPrintLayout.h"
#include "text/Translate.h"

namespace velmora {
namespace {

// Fixed pitch as on paper; the rules between columns stand for the printout's bars.
constexpr std::string_view kStyle =
    R"(body{font-family:"DejaVu Sans Mono",Consolas,"Courier New",monospace;font-size:10pt;color:#000;background:#fff;margin:1.5em}
h1{font-size:16pt;margin:0 0 .2em}
h2{font-size:12pt;margin:1.4em 0 .4em}
.count{font-weight:normal;color:#555}
table{border-collapse:collapse}
th,td{border:1px solid #888;padding:.15em .6em;white-space:pre;text-align:left}
th{background:#e8e8e8;text-align:center}
td.num{text-align:right}
td.mark{text-align:center}
tbody tr:nth-child(even){background:#f4f4f4}
@media print{body{margin:0;font-size:8pt}h1{font-size:12pt}h2{font-size:10pt}
section+section{break-before:page}thead{display:table-header-group}
tr{break-inside:avoid}th{background:#e8e8e8;-webkit-print-color-adjust:exact;print-color-adjust:exact}
tbody tr:nth-child(even){background:none}}
@page{margin:12mm}
)";

// The column's title: the printout's header, a favourite column the group's name (or
// "FAVn" while the group has none).
std::string ColumnTitle(const Database& db, int column) {
    if (column >= kColFav1) {
        const std::string name = db.settings.fav_name(column - kColFav1);
        if (!name.empty()) return Latin1ToUtf8(name);
    }
    return PrintHeaderText(column);
}

const char* CellClass(int column) {
    if (column >= kColFav1 || column == kColFtaCas || column == kColLock) return " class=\"mark\"";
    if (column == kColName) return "";
    return " class=\"num\"";
}

void AppendTable(std::string& out, const Database& db, bool radio,
                 const std::vector<int>& columns) {
    const int count = db.channel_count(radio);
    out += "<section>\n<h2>";
    out +=
        EscapeHtml(radio ? VT_TR("exchange", "Radio channels") : VT_TR("exchange", "TV channels"));
    out += " <span class=\"count\">(" + std::to_string(count) + ")</span></h2>\n";
    out += "<table>\n<thead><tr>";
    for (int c : columns) out += "<th>" + EscapeHtml(ColumnTitle(db, c)) + "</th>";
    out += "</tr></thead>\n<tbody>\n";
    const auto& table = db.channels(radio);
    for (int i = 0; i < count; ++i) {
        out += "<tr>";
        for (int c : columns) {
            out += "<td";
            out += CellClass(c);
            out += '>';
            out += EscapeHtml(ChannelList::CellText(table[i], i, c));
            out += "</td>";
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n</section>\n";
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string PageTitleOfPath(const std::string& path) {
    const std::string name = path.substr(path.find_last_of('/') + 1);
    return Utf8ToLatin1Dropping(name) ? name : Latin1ToUtf8(name);
}

std::vector<int> AllListColumns() {
    std::vector<int> columns(kColumnCount);
    for (int c = 0; c < kColumnCount; ++c) columns[c] = c;
    return columns;
}

std::string ChannelsHtml(const Database& db, ChannelTables tables, const std::vector<int>& columns,
                         std::string_view title) {
    std::string out;
    out.reserve(static_cast<size_t>(60 + 20 * columns.size()) * (db.tv_count() + db.radio_count()));
    const std::string heading = EscapeHtml(title);
    //: The language code of this translation (de, fr, ...), for the HTML page's lang attribute.
    const std::string language = EscapeHtml(VT_TR("exchange", "en"));
    out += "<!DOCTYPE html>\n<html lang=\"" + language +
           "\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    //: The HTML page's title: "channels.sdx - channel list".
    out += EscapeHtml(Fill(VT_TR("exchange", "%1 - channel list"), {title}));
    out += "</title>\n<style>\n";
    out += kStyle;
    out += "</style>\n</head>\n<body>\n<h1>" + heading + "</h1>\n";
    if (tables != ChannelTables::Radio) AppendTable(out, db, false, columns);
    if (tables != ChannelTables::Tv) AppendTable(out, db, true, columns);
    out += "</body>\n</html>\n";
    return out;
}

}  // namespace velmora
