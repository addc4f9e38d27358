// The listing import from the "Antenna" menu, and printing the list and the tree through
// the frame's print commands, all through the main window.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <cstdio>
#include <cstdlib>

#include "commands/CommandIds.h"
#include "import/ListingImportCommand.h"
#include "printing/qt/PrintController.h"
#include "tests/gui/IntegrationFixture.h"

namespace velmora::testing {
namespace {

QString SourceFile(const char* relative) {
    return QDir(QStringLiteral(VELMORA_SOURCE_DIR)).filePath(QString::fromLatin1(relative));
}

class ImportPrintIntegration : public IntegrationTest {
protected:
    void SetUp() override {
        IntegrationTest::SetUp();
        StartShown();
    }
};

TEST_F(ImportPrintIntegration, ImportFromTheAntennaMenuAddsTwoSatellitesWithTheirTransponders) {
    const QString page = dir.filePath(QStringLiteral("Example Sat 1 at 19.2\u00b0E.htm"));
    const QString source = SourceFile("examples/sample-listing.htm");
    ASSERT_TRUE(QFile::exists(source)) << source.toStdString();
    ASSERT_TRUE(QFile::copy(source, page));
    const int sats = db().sat_count();
    const int tps = db().tp_count();
    chooser.answers = {page.toStdString()};

    ChooseFromMenu(tree->RootNode(kRootAntenna), kCmdLoadListing);

    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].title, ListingImportFileChoice().title);
    ASSERT_EQ(db().sat_count(), sats + 2);
    EXPECT_EQ(db().satellites[sats].name(), "C_Example Sat 1");
    // "Ku_" and the base make 16 characters: cut to 15, keeping the terminator.
    EXPECT_EQ(db().satellites[sats + 1].name(), "Ku_Example Sat ");
    EXPECT_EQ(db().satellites[sats].angle(), 192);
    ExpectTreeShowsTheTables();
    EXPECT_GT(tree->SatelliteNode(sats)->childCount(), 0);
    EXPECT_GT(tree->SatelliteNode(sats + 1)->childCount(), 0);
    EXPECT_EQ(tree->SatelliteNode(sats)->childCount() + tree->SatelliteNode(sats + 1)->childCount(),
              db().tp_count() - tps);
    EXPECT_TRUE(tree->SatelliteNode(sats + 1)->text(0).contains(QStringLiteral("Ku_Example Sat ")));
    EXPECT_TRUE(app->doc().IsModified());

    // The new nodes list their (no) channels like any other.
    tree->setCurrentItem(tree->TransponderNode(sats + 1, 0));
    EXPECT_EQ(view->model()->rowCount(), 0);
    EXPECT_EQ(view->list().current_satellite(), sats + 1);
}

TEST_F(ImportPrintIntegration, CancelledImportChangesNothing) {
    const int sats = db().sat_count();
    chooser.answers = {std::nullopt};
    ChooseFromMenu(tree->RootNode(kRootAntenna), kCmdLoadListing);
    EXPECT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(db().sat_count(), sats);
    EXPECT_FALSE(app->doc().IsModified());
    ExpectTreeShowsTheTables();
}

bool HavePdfToText() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

std::string PdfText(const QString& pdf) {
    const std::string command = "pdftotext -layout '" + pdf.toStdString() + "' -";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

// Answers the toolkit's print dialog: the PDF file printer, into `pdf`.
void PrintToFile(QDialog& d, const QString& pdf) {
    auto* dialog = qobject_cast<QPrintDialog*>(&d);
    ASSERT_TRUE(dialog) << "not the print dialog";
    if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) file->setText(pdf);
    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog->printer()->setOutputFileName(pdf);
    dialog->accept();
}

TEST_F(ImportPrintIntegration, PrintCommandPrintsTheActivePane) {
    if (!HavePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    // The list first: it has the focus.
    tree->setCurrentItem(tree->SatelliteNode(0));
    frame->activateWindow();
    view->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(frame->activePane(), ActivePane::List);
    const QString list_pdf = dir.filePath(QStringLiteral("list.pdf"));
    {
        ModalDriver dialogs;
        dialogs.Then(0, [&](QDialog& d) { PrintToFile(d, list_pdf); });
        frame->RunCommand(kCmdPrint);
        EXPECT_EQ(dialogs.handled(), 1);
    }
    ASSERT_TRUE(QFile::exists(list_pdf));
    const std::string list_text = PdfText(list_pdf);
    EXPECT_NE(list_text.find(view->list().RowChannel(db(), 0).name()), std::string::npos)
        << list_text;

    // Then the tree.
    frame->activateWindow();
    tree->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(frame->activePane(), ActivePane::Tree);
    const QString tree_pdf = dir.filePath(QStringLiteral("tree.pdf"));
    {
        ModalDriver dialogs;
        dialogs.Then(0, [&](QDialog& d) { PrintToFile(d, tree_pdf); });
        frame->RunCommand(kCmdPrint);
        EXPECT_EQ(dialogs.handled(), 1);
    }
    ASSERT_TRUE(QFile::exists(tree_pdf));
    const std::string tree_text = PdfText(tree_pdf);
    EXPECT_NE(tree_text.find("Antenna"), std::string::npos) << tree_text;
    EXPECT_NE(tree_text.find(db().satellites[1].name()), std::string::npos) << tree_text;
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ImportPrintIntegration, PrintPreviewOpensForEitherPane) {
    for (QWidget* pane : {static_cast<QWidget*>(view), static_cast<QWidget*>(tree)}) {
        frame->activateWindow();
        pane->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        ModalDriver dialogs;
        dialogs.Then(0, [](QDialog& d) {
            EXPECT_TRUE(qobject_cast<QPrintPreviewDialog*>(&d));
            d.reject();
        });
        frame->RunCommand(kCmdPrintPreview);
        EXPECT_EQ(dialogs.handled(), 1);
    }
}

}  // namespace
}  // namespace velmora::testing
