#pragma once
// The windows beside the editor (the comparison, the health check) open the first time
// beside the main window, not over it, and afterwards where the user left them, also in
// the next run. Esc closes them.

#include <QRect>
#include <QSettings>
#include <QString>
#include <QWidget>

namespace velmora {

// Where a window of `size` goes beside a main window whose frame is `main` on a screen
// whose free area is `available`: to its right when it fits there, else to its left,
// else narrower on the side with more room, and only when even that is too narrow at
// the screen's right edge over the main window; level with its top; always inside
// `available`.
QRect BesideRect(const QRect& main, const QSize& size, const QRect& available);

// Call once, before `window` is first shown: places it where it was saved under `key`
// in `settings`, or beside `main`, and saves its place whenever it moves, is resized or
// hidden. Without settings the place is kept for this run only.
void KeepBesideMainWindow(QWidget* window, const QWidget* main, QSettings* settings,
                          const QString& key);

// Esc anywhere in `window` closes it (a key its widgets leave alone reaches the window).
void CloseOnEscape(QWidget* window);

}  // namespace velmora
