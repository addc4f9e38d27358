#pragma once
// A short word in the main window's status bar about something done without asking:
// characters a field refused, a record stored elsewhere than shown, the pane a print
// command prints. It stays a few seconds, then the bar says "Ready" again.

#include <QMainWindow>
#include <QStatusBar>
#include <QString>
#include <QWidget>

namespace velmora {

inline constexpr int kStatusNoteMs = 8000;

// Shows `text` in the status bar of the main window that `from` belongs to (a dialog
// belongs to the window it was opened over). Does nothing without such a window.
inline void ShowStatusNote(const QWidget* from, const QString& text) {
    for (const QWidget* w = from; w; w = w->window()->parentWidget()) {
        if (auto* main = qobject_cast<QMainWindow*>(w->window())) {
            main->statusBar()->showMessage(text, kStatusNoteMs);
            return;
        }
    }
}

}  // namespace velmora
