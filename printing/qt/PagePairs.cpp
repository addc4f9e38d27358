#include "printing/qt/PagePairs.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <algorithm>

namespace velmora {

bool PlacePagesInPairs(QPrintPreviewWidget* preview) {
    if (preview->viewMode() != QPrintPreviewWidget::FacingPagesView) return false;
    auto* view = preview->findChild<QGraphicsView*>();
    if (!view || !view->scene()) return false;
    QList<QGraphicsItem*> pages;
    for (QGraphicsItem* item : view->scene()->items()) {
        if (!item->parentItem()) pages << item;
    }
    if (pages.isEmpty()) return false;
    // Every layout sets the pages out in rows in page order, so reading the rows gives
    // the page order back.
    std::sort(pages.begin(), pages.end(), [](const QGraphicsItem* a, const QGraphicsItem* b) {
        return a->pos().y() != b->pos().y() ? a->pos().y() < b->pos().y()
                                            : a->pos().x() < b->pos().x();
    });
    const QRectF page = pages.first()->boundingRect();
    bool moved = false;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QPointF place((i % 2) * page.width(), (i / 2) * page.height());
        if (pages[i]->pos() == place) continue;
        pages[i]->setPos(place);
        moved = true;
    }
    if (moved) view->scene()->setSceneRect(view->scene()->itemsBoundingRect());
    return moved;
}

void ShowPagesInPairs(QPrintPreviewWidget* preview) {
    // Every layout the widget makes is followed by previewChanged.
    QObject::connect(preview, &QPrintPreviewWidget::previewChanged, preview,
                     [preview] { PlacePagesInPairs(preview); });
    PlacePagesInPairs(preview);
}

void StepByPairs(QPrintPreviewDialog& dialog, QPrintPreviewWidget* preview) {
    // The actions have no names; their texts are the dialog's own, in its translation.
    const QString next = QCoreApplication::translate("QPrintPreviewDialog", "Next page");
    const QString previous = QCoreApplication::translate("QPrintPreviewDialog", "Previous page");
    for (QAction* action : dialog.findChildren<QAction*>()) {
        const bool forward = action->text() == next;
        if (!forward && action->text() != previous) continue;
        // Out of the dialog's group, whose handler steps one page.
        if (action->actionGroup()) action->actionGroup()->removeAction(action);
        QObject::connect(action, &QAction::triggered, preview, [preview, forward] {
            const int page = preview->currentPage();
            if (preview->viewMode() != QPrintPreviewWidget::FacingPagesView) {
                preview->setCurrentPage(page + (forward ? 1 : -1));
            } else {
                const int first = page - (page + 1) % 2;  // of the pair on screen
                const int target = forward ? first + 2 : std::max(1, first - 2);
                if (target <= preview->pageCount()) preview->setCurrentPage(target);
            }
            // The page number and the buttons' states follow, as after the dialog's steps.
            emit preview->previewChanged();
        });
    }
}

void SizeForTwoPages(QPrintPreviewDialog& dialog, double page_aspect) {
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    // Nine tenths of the screen's height for the pages and the tool bar; as wide as two
    // pages of that height need, within the screen.
    const int height = room.height() * 9 / 10;
    const int chrome = 80;  // tool bar, frame and the gaps between the pages
    const int width = static_cast<int>(2 * page_aspect * (height - chrome)) + chrome;
    dialog.resize(std::min(width, room.width() * 19 / 20), height);
    dialog.move(room.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
}

}  // namespace velmora
