#pragma once
// "&Print...", the direct print, "Print Pre&view" and "P&rint Setup..." for whichever pane
// is active: the channel list prints its shown rows and columns, the tree its visible
// lines. One printer is kept for the program's life, so the page setup carries over from
// one job to the next.

#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "text/Translate.h"

class QTreeWidget;
class QWidget;

namespace velmora {

class ChannelList;
class Database;
class Prompter;

// The text shown when the printer cannot be started.
// English; told through Translate("printing", ...) like the core's messages.
inline constexpr const char* kPrintStartFailed =
    VT_TR_NOOP("printing", "Could not start print job.");

// Runs one print job of `job` (a ChannelListPrinter or a TreePrinter) on `printer`: begin,
// the pages of the printer's chosen range that lie within 1..page count, end. Returns the
// number of pages printed (0 when the range holds none), or -1 when the printer could not
// be started or a page could not be added. A preview passes `whole_job` and shows every page.
template <typename Job>
int RunPageJob(QPrinter& printer, Job& job, bool whole_job = false) {
    const int count = job.Begin(printer);
    int first = 1;
    int last = count;
    if (!whole_job && printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage() > 0 ? printer.toPage() : count);
    }
    if (first > last) {
        job.End();
        return 0;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        job.End();
        return -1;
    }
    const bool reverse = printer.pageOrder() == QPrinter::LastPageFirst;
    int printed = 0;
    for (int i = 0; i <= last - first; ++i) {
        if (i > 0 && !printer.newPage()) break;
        job.PrintPage(painter, reverse ? last - i : first + i);
        ++printed;
    }
    painter.end();
    job.End();
    return printed == last - first + 1 ? printed : -1;
}

class PrintController {
public:
    // `prompter` tells the user when a job cannot start; it may be null.
    explicit PrintController(Prompter* prompter = nullptr);
    ~PrintController();

    // The printer every job and the page setup use. Its resolution is 300 dpi, for which the
    // printouts' pixel offsets were laid out; real printers may round it to one they offer.
    // Made on first use: starting the print system costs the editor's start-up
    // milliseconds it need not spend before anything is printed.
    QPrinter& printer();

    // "&Print..." with `ask`, the direct print without: shows the print dialog (Cancel ends
    // the run) and prints. True when pages were printed.
    bool Print(QWidget* parent, const Database& db, const ChannelList& list, bool ask = true);
    bool Print(QWidget* parent, const QTreeWidget& tree, bool ask = true);

    // "Print Pre&view": the channel list shows two pages side by side, the tree one page.
    void PrintPreview(QWidget* parent, const Database& db, const ChannelList& list);
    void PrintPreview(QWidget* parent, const QTreeWidget& tree);

    // "P&rint Setup...": paper, orientation and margins for the following jobs. True on OK.
    bool PrintSetup(QWidget* parent);

private:
    bool AskPrinter(QWidget* parent);
    template <typename Job>
    bool Run(Job& job);
    template <typename Job>
    void Preview(QWidget* parent, Job& job, bool facing_pages);

    Prompter* prompter_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace velmora
