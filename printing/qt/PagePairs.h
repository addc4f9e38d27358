#pragma once
// The print preview's two-page view as a printed booklet is not: pages 1|2, 3|4, ...
// side by side (Qt's facing-pages view sets page 1 alone), in a window large enough to
// read them.

class QPrintPreviewDialog;
class QPrintPreviewWidget;

namespace velmora {

// Keeps the pages of `preview`'s facing-pages view in pairs from page 1 on, through every
// new layout (page setup changes, view mode buttons).
void ShowPagesInPairs(QPrintPreviewWidget* preview);
// Moves the pages into pairs now; true when one moved. Nothing in other view modes.
bool PlacePagesInPairs(QPrintPreviewWidget* preview);
// Makes the dialog's "Next page" and "Previous page" step a whole pair (1|2 -> 3|4); its
// own steps go one page, which stays within the pair on screen.
void StepByPairs(QPrintPreviewDialog& dialog, QPrintPreviewWidget* preview);
// Sizes `dialog` to show two pages of its printer's paper readably on its screen.
void SizeForTwoPages(QPrintPreviewDialog& dialog, double page_aspect);

}  // namespace velmora
