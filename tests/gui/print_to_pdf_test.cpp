// Prints the channel list and the tree to PDF files and reads them back with pdftotext.
// Set VELMORA_KEEP_PDF to a folder to keep the files.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "channels/ChannelList.h"
#include "database/Upkeep.h"
#include "printing/TreePrintLayout.h"
#include "printing/qt/PrintController.h"

namespace velmora {
namespace {

bool HavePdfToText() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

// The text of each page of `pdf`, as pdftotext lays it out.
std::vector<std::string> PdfPages(const QString& pdf) {
    const std::string command = "pdftotext -layout '" + pdf.toStdString() + "' -";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
        pclose(pipe);
    }
    std::vector<std::string> pages;
    size_t start = 0;
    for (size_t ff; (ff = text.find('\f', start)) != std::string::npos; start = ff + 1)
        pages.push_back(text.substr(start, ff - start));
    return pages;
}

// Runs of blanks become one, so that checks do not depend on glyph spacing.
std::string Squeezed(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out.push_back(c);
    }
    return out;
}

bool Contains(const std::string& text, const std::string& part) {
    return Squeezed(text).find(Squeezed(part)) != std::string::npos;
}

class PrintToPdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HavePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(dir.isValid());
        QPrinter& printer = controller.printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    QString PdfPath(const QString& name) {
        const QString keep = qEnvironmentVariable("VELMORA_KEEP_PDF");
        return QDir(keep.isEmpty() ? dir.path() : keep).filePath(name);
    }

    QTemporaryDir dir;
    PrintController controller;
};

// A database shaped like a real one: three satellites, their transponders, and TV channels
// spread over them, some locked, scrambled or in favourite groups.
std::unique_ptr<Database> ExampleDatabase(int channels) {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    const char* satellites[] = {"Astra 19.2E", "Hotbird 13E", "Eutelsat 16E"};
    for (int s = 0; s < 3; ++s) {
        db->satellites[s].set_name(satellites[s]);
        db->satellites[s].set_universal(1);
        db->satellites[s].set_lnb_low(9750);
        db->satellites[s].set_lnb_high(10600);
    }
    db->set_sat_count(3);
    for (int t = 0; t < 30; ++t) {
        Transponder& tp = db->transponders[t];
        tp.set_satellite(t / 10);
        tp.set_tp_id(t);
        tp.set_frequency(10714 + 29 * t);
        tp.set_symbol_rate(27500);
        tp.set_polarisation(t % 2);
        tp.set_fec(3);
    }
    db->set_tp_count(30);
    const char* names[] = {"Das Erste HD", "ZDF HD",     "3sat",        "arte",      "Phoenix",
                           "KiKA",         "ORF1",       "RTL",         "SAT.1",     "ProSieben",
                           "VOX",          "kabel eins", "Eurosport 1", "n-tv",      "WELT",
                           "Rai 1",        "Rai 2",      "TV5MONDE",    "France 24", "BBC World"};
    for (int i = 0; i < channels; ++i) {
        Channel& ch = db->tv[i];
        const std::string base = names[i % 20];
        ch.set_name(i < 20 ? base : base + " " + std::to_string(i / 20 + 1));
        ch.set_tp_id(i % 30);
        ch.set_service_number(28106 + i);
        ch.set_video_pid(101 + 10 * i);
        ch.set_pcr_pid(101 + 10 * i);
        ch.set_ttx_pid(104 + 10 * i);
        ch.set_fta(i % 7 != 3);
        ch.set_locked(i % 11 == 5);
        ch.set_fav(i % 8, i % 3 == 0);
    }
    db->set_tv_count(channels);
    db->database_open = true;
    return db;
}

TEST_F(PrintToPdfTest, ChannelListPrintsEveryRowUnderPageHeaders) {
    auto db = ExampleDatabase(200);
    ChannelList list;
    list.FillAllChannels(*db);
    const QString pdf = PdfPath("channel-list.pdf");
    controller.printer().setOutputFileName(pdf);

    ASSERT_TRUE(controller.Print(nullptr, *db, list, false));

    // All sixteen columns with "Das Erste HD 10" the longest name (16 characters wide):
    // 8012 / 98 tenths, and the row lines below a 200-pixel header.
    const int line_height = 300 * (8012 / 98) / 720 + 4;
    const int rows_per_page = (controller.printer().height() - 200) / line_height - 1;
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(static_cast<int>(pages.size()), (200 + rows_per_page - 1) / rows_per_page);
    EXPECT_TRUE(Contains(pages[0], "K.M.")) << pages[0];
    EXPECT_TRUE(Contains(pages[0], "PAGE 1"));
    EXPECT_TRUE(Contains(pages[0],
                         "|Index| Name |FTA/CAS| Lock |Video PID|Audio PID|PCR PID|"
                         "TXT PID|FAV1|FAV2|FAV3|FAV4|FAV5|FAV6|FAV7|FAV8|"))
        << pages[0];
    EXPECT_TRUE(Contains(pages[0], " 1 Das Erste HD FTA Unlock 101 0 101 104 Yes"));
    EXPECT_TRUE(Contains(pages[0], " 2 ZDF HD FTA Unlock 111 0 111 114"));
    EXPECT_TRUE(Contains(pages[1], "PAGE 2"));
    EXPECT_TRUE(Contains(pages[1], " " + std::to_string(rows_per_page + 1) + " "));
    EXPECT_TRUE(Contains(pages.back(), "200 BBC World 10"));
}

TEST_F(PrintToPdfTest, EmptyChannelListPrintsOneHeaderPage) {
    auto db = ExampleDatabase(0);
    ChannelList list;
    list.FillAllChannels(*db);
    const QString pdf = PdfPath("empty-list.pdf");
    controller.printer().setOutputFileName(pdf);

    ASSERT_TRUE(controller.Print(nullptr, *db, list, false));
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Contains(pages[0], "PAGE 1"));
    EXPECT_TRUE(Contains(pages[0], "|Index|Name|FTA/CAS|"));
}

TEST_F(PrintToPdfTest, PageRangeIsCutToThePagesTheJobHas) {
    auto db = ExampleDatabase(200);
    ChannelList list;
    list.FillAllChannels(*db);
    const QString pdf = PdfPath("range.pdf");
    QPrinter& printer = controller.printer();
    printer.setOutputFileName(pdf);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 9);

    ASSERT_TRUE(controller.Print(nullptr, *db, list, false));
    const auto pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 1u);
    EXPECT_TRUE(Contains(pages[0], "PAGE 2"));
    EXPECT_FALSE(Contains(pages[0], " 1 Das Erste HD"));
    EXPECT_TRUE(Contains(pages.back(), "200 BBC World 10"));
}

QIcon Swatch(QColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setBrush(colour);
    painter.setPen(Qt::black);
    painter.drawRoundedRect(1, 2, 13, 11, 3, 3);
    return QIcon(pixmap);
}

QTreeWidgetItem* Node(QTreeWidgetItem* parent, const QString& label, const QIcon& icon) {
    auto* item = new QTreeWidgetItem(parent, {label});
    item->setIcon(0, icon);
    return item;
}

// The editor's tree after opening the example database, with "Antenna", every satellite and
// "FAV List" expanded.
void FillExampleTree(QTreeWidget& tree, const Database& db) {
    const QIcon satellite = Swatch(Qt::darkCyan), transponder = Swatch(Qt::yellow),
                root = Swatch(Qt::darkBlue);
    const char* roots[] = {"All Services", "Antenna",          "Channel List",
                           "FAV List",     "Parental Control", "Other Setting"};
    for (const char* label : roots) {
        auto* item = new QTreeWidgetItem(&tree, {QString::fromLatin1(label)});
        if (QString::fromLatin1(label) != "Other Setting") item->setIcon(0, root);
    }
    QTreeWidgetItem* antenna = tree.topLevelItem(1);
    const char* pols[] = {"HOR", "VER"};
    for (int s = 0; s < db.sat_count(); ++s) {
        auto* sat = Node(antenna,
                         QStringLiteral("| %1 | %2 | Universal |  None | ")
                             .arg(s + 1)
                             .arg(QString::fromLatin1(db.satellites[s].name())),
                         satellite);
        int k = 0;
        for (int t = 0; t < db.tp_count(); ++t) {
            const Transponder& tp = db.transponders[t];
            if (tp.satellite() != s) continue;
            Node(sat,
                 QStringLiteral("%1 | %2 | %3 | %4 | 3/4")
                     .arg(++k)
                     .arg(tp.frequency())
                     .arg(pols[tp.polarisation()])
                     .arg(tp.symbol_rate()),
                 transponder);
        }
        sat->setExpanded(true);
    }
    antenna->setExpanded(true);
    QTreeWidgetItem* favourites = tree.topLevelItem(3);
    for (int g = 0; g < 8; ++g) Node(favourites, QStringLiteral("FAV %1").arg(g + 1), satellite);
    favourites->setExpanded(true);
}

TEST_F(PrintToPdfTest, ExpandedTreePrintsItsVisibleLinesInOrder) {
    auto db = ExampleDatabase(0);
    QTreeWidget tree;
    tree.setHeaderHidden(true);
    tree.resize(320, 520);
    FillExampleTree(tree, *db);
    tree.show();
    const QString pdf = PdfPath("tree.pdf");
    controller.printer().setOutputFileName(pdf);

    ASSERT_TRUE(controller.Print(nullptr, tree, false));

    // 6 roots, 3 satellites with 10 transponders each, 8 groups.
    const int visible = 6 + 3 + 30 + 8;
    const int row = tree.visualItemRect(tree.topLevelItem(0)).height();
    const int per_page = TreeLinesPerPage(controller.printer().height(), row);
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(static_cast<int>(pages.size()), (visible + per_page - 1) / per_page);
    ASSERT_GE(pages.size(), 2u);
    EXPECT_TRUE(Contains(pages[0], "QVR")) << pages[0];
    EXPECT_TRUE(Contains(pages[0], "PAGE 1"));
    EXPECT_TRUE(Contains(pages[0], "All Services\n")) << pages[0];
    EXPECT_TRUE(Contains(pages[0], "| 1 | Astra 19.2E | Universal | None |"));
    EXPECT_TRUE(Contains(pages[0], "1 | 10714 | HOR | 27500 | 3/4"));
    EXPECT_TRUE(Contains(pages[1], "PAGE 2"));
    EXPECT_TRUE(Contains(pages.back(), "FAV 8"));
    EXPECT_TRUE(Contains(pages.back(), "Other Setting"));
}

TEST_F(PrintToPdfTest, CollapsedTreePrintsItsRootLinesOnOnePage) {
    auto db = ExampleDatabase(0);
    QTreeWidget tree;
    tree.setHeaderHidden(true);
    FillExampleTree(tree, *db);
    tree.collapseAll();
    tree.show();
    const QString pdf = PdfPath("roots.pdf");
    controller.printer().setOutputFileName(pdf);

    ASSERT_TRUE(controller.Print(nullptr, tree, false));
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Contains(pages[0], "All Services"));
    EXPECT_TRUE(Contains(pages[0], "Other Setting"));
    EXPECT_FALSE(Contains(pages[0], "Astra"));
}

// The preview is modal; a timer looks at it once it runs and closes it.
struct PreviewSeen {
    bool shown = false;
    QPrintPreviewWidget::ViewMode mode = QPrintPreviewWidget::SinglePageView;
    int pages = 0;
};

void WatchPreview(PreviewSeen& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        if (auto* widget = dialog->findChild<QPrintPreviewWidget*>()) {
            seen.shown = true;
            seen.mode = widget->viewMode();
            seen.pages = widget->pageCount();
        }
        dialog->reject();
    });
}

TEST_F(PrintToPdfTest, ListPreviewShowsEveryPageTwoSideBySide) {
    auto db = ExampleDatabase(200);
    ChannelList list;
    list.FillAllChannels(*db);
    controller.printer().setPrintRange(QPrinter::PageRange);
    controller.printer().setFromTo(2, 2);  // a print range does not narrow the preview
    PreviewSeen seen;
    WatchPreview(seen);

    controller.PrintPreview(nullptr, *db, list);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.mode, QPrintPreviewWidget::FacingPagesView);
    EXPECT_EQ(seen.pages, 3);
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// Where the two-page preview sets each page out, in page-size units, read from the
// preview while it is up, before and after the view mode is switched away and back.
struct PairsSeen {
    std::vector<QPointF> places;
    std::vector<QPointF> places_after_switch;
    QSize dialog;
    QSize room;
};

std::vector<QPointF> PagePlaces(QPrintPreviewWidget* widget) {
    std::vector<QPointF> places;
    auto* view = widget->findChild<QGraphicsView*>();
    if (!view) return places;
    QList<QGraphicsItem*> pages;
    for (QGraphicsItem* item : view->scene()->items())
        if (!item->parentItem()) pages << item;
    std::sort(pages.begin(), pages.end(), [](const QGraphicsItem* a, const QGraphicsItem* b) {
        return a->pos().y() != b->pos().y() ? a->pos().y() < b->pos().y()
                                            : a->pos().x() < b->pos().x();
    });
    for (const QGraphicsItem* page : pages) {
        const QRectF size = page->boundingRect();
        places.emplace_back(page->pos().x() / size.width(), page->pos().y() / size.height());
    }
    return places;
}

TEST_F(PrintToPdfTest, ListPreviewPairsPagesFromPageOneInAReadableWindow) {
    auto db = ExampleDatabase(350);
    ChannelList list;
    list.FillAllChannels(*db);
    PairsSeen seen;
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        if (auto* widget = dialog->findChild<QPrintPreviewWidget*>()) {
            seen.places = PagePlaces(widget);
            widget->setSinglePageViewMode();
            widget->setFacingPagesViewMode();
            seen.places_after_switch = PagePlaces(widget);
        }
        seen.dialog = dialog->size();
        seen.room = dialog->screen()->availableGeometry().size();
        dialog->reject();
    });
    controller.PrintPreview(nullptr, *db, list);

    ASSERT_GE(seen.places.size(), 4u);
    std::vector<QPointF> pairs;  // 1|2, 3|4, ...
    for (size_t i = 0; i < seen.places.size(); ++i) pairs.emplace_back(i % 2, i / 2);
    EXPECT_EQ(seen.places, pairs);
    EXPECT_EQ(seen.places_after_switch, pairs);
    EXPECT_GE(seen.dialog.height(), seen.room.height() * 8 / 10);
    EXPECT_GT(seen.dialog.width(), seen.dialog.height()) << "room for two upright pages";
}

}  // namespace
}  // namespace velmora
