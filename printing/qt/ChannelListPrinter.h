#pragma once
// Draws the channel list on a printer: per page the header mark, the page number, a rule,
// the column header line and the page's row lines, in a fixed-pitch font sized so that a
// line of the shown columns fits the page.

#include <QFont>
#include <optional>

#include "channels/ChannelList.h"
#include "database/Database.h"
#include "printing/ChannelPrintLayout.h"

class QPainter;
class QPrinter;

namespace velmora {

class ChannelListPrinter {
public:
    // Prints `list` as it shows the tables of `db`; both must outlive the printer.
    ChannelListPrinter(const Database& db, const ChannelList& list) : db_(db), list_(list) {}

    // Lays the job out for `printer` from the list as it is now and creates the fonts;
    // returns the page count (at least one).
    int Begin(QPrinter& printer);
    // Draws page `page` (1-based) with `painter`, which is open on the printer given to Begin.
    void PrintPage(QPainter& painter, int page);
    // Drops the job's layout and fonts.
    void End();

    // The layout of the running job; only between Begin and End.
    const ChannelPrintLayout& layout() const { return *layout_; }
    const QFont& body_font() const { return body_font_; }

private:
    const Database& db_;
    const ChannelList& list_;
    std::optional<ChannelPrintLayout> layout_;
    QFont title_font_;
    QFont body_font_;
};

}  // namespace velmora
