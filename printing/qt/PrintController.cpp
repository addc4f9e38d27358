#include "printing/qt/PrintController.h"

#include <QAction>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

#include "database/Interaction.h"
#include "printing/qt/ChannelListPrinter.h"
#include "printing/qt/PagePairs.h"
#include "printing/qt/TreePrinter.h"

namespace velmora {

PrintController::PrintController(Prompter* prompter) : prompter_(prompter) {}

QPrinter& PrintController::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setResolution(300);
    }
    return *printer_;
}

PrintController::~PrintController() = default;

bool PrintController::AskPrinter(QWidget* parent) {
    // The page count is not known yet: it is computed when the job begins, from the
    // printer and the pane as they are after the dialog.
    QPrintDialog dialog(&printer(), parent);
    return dialog.exec() == QDialog::Accepted;
}

template <typename Job>
bool PrintController::Run(Job& job) {
    const int printed = RunPageJob(printer(), job);
    if (printed < 0 && prompter_ != nullptr)
        prompter_->Tell(Translate("printing", kPrintStartFailed), Icon::Error);
    return printed > 0;
}

template <typename Job>
void PrintController::Preview(QWidget* parent, Job& job, bool facing_pages) {
    QPrintPreviewDialog dialog(&printer(), parent);
    // The preview asks again whenever its page setup changes; each time is a whole run.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&job](QPrinter* printer) { RunPageJob(*printer, job, true); });
    if (facing_pages) {
        // Through the dialog's own action, so that its tool bar shows the mode.
        if (auto* action = dialog.findChild<QAction*>(QStringLiteral("facingModeAction"))) {
            action->trigger();
        } else if (auto* widget = dialog.findChild<QPrintPreviewWidget*>()) {
            widget->setFacingPagesViewMode();
        }
        if (auto* widget = dialog.findChild<QPrintPreviewWidget*>()) {
            ShowPagesInPairs(widget);
            StepByPairs(dialog, widget);
        }
        const QRectF paper = printer().pageLayout().fullRect();
        SizeForTwoPages(dialog, paper.height() > 0 ? paper.width() / paper.height() : 0.7);
    }
    dialog.exec();
}

bool PrintController::Print(QWidget* parent, const Database& db, const ChannelList& list,
                            bool ask) {
    if (ask && !AskPrinter(parent)) return false;
    ChannelListPrinter job(db, list);
    return Run(job);
}

bool PrintController::Print(QWidget* parent, const QTreeWidget& tree, bool ask) {
    if (ask && !AskPrinter(parent)) return false;
    TreePrinter job = TreePrinter::FromTree(tree);
    return Run(job);
}

void PrintController::PrintPreview(QWidget* parent, const Database& db, const ChannelList& list) {
    ChannelListPrinter job(db, list);
    Preview(parent, job, true);
}

void PrintController::PrintPreview(QWidget* parent, const QTreeWidget& tree) {
    TreePrinter job = TreePrinter::FromTree(tree);
    Preview(parent, job, false);
}

bool PrintController::PrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&printer(), parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace velmora
