#include "app/PaneLook.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPalette>
#include <QString>

#include "app/CMainFrame.h"

namespace velmora {
namespace {

QColor Mixed(const QColor& a, const QColor& b, double share_of_a) {
    const double s = share_of_a;
    return QColor::fromRgbF(float(a.redF() * s + b.redF() * (1 - s)),
                            float(a.greenF() * s + b.greenF() * (1 - s)),
                            float(a.blueF() * s + b.blueF() * (1 - s)));
}

}  // namespace

void ShowPaneActive(QAbstractItemView* pane, bool active) {
    QPalette palette = QApplication::palette(pane);
    if (!active) {
        // Some styles draw an inactive window's selection like an active one; a pale
        // highlight then still tells the two panes apart.
        QColor highlight = palette.color(QPalette::Inactive, QPalette::Highlight);
        QColor text = palette.color(QPalette::Inactive, QPalette::HighlightedText);
        if (highlight == palette.color(QPalette::Active, QPalette::Highlight)) {
            highlight = Mixed(highlight, palette.color(QPalette::Active, QPalette::Base), 0.3);
            text = palette.color(QPalette::Active, QPalette::Text);
        }
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Highlight, highlight);
            palette.setColor(group, QPalette::HighlightedText, text);
        }
    }
    // The frame keeps its width either way, so nothing inside moves.
    palette.setColor(QPalette::WindowText,
                     active ? palette.color(QPalette::Active, QPalette::Highlight)
                            : palette.color(QPalette::Active, QPalette::Mid));
    pane->setFrameStyle(QFrame::Box | QFrame::Plain);
    pane->setLineWidth(2);
    pane->setPalette(palette);
    pane->setProperty("activePane", active);
}

QString PrintedPaneNote(ActivePane pane, bool preview) {
    // Whole sentences, so that a translation can word each as its language needs.
    if (pane == ActivePane::List && preview)
        return QCoreApplication::translate("velmora::PaneLook",
                                           "Print preview of the channel list (the active pane)");
    if (pane == ActivePane::List)
        return QCoreApplication::translate("velmora::PaneLook",
                                           "Printing the channel list (the active pane)");
    if (preview)
        return QCoreApplication::translate("velmora::PaneLook",
                                           "Print preview of the tree (the active pane)");
    return QCoreApplication::translate("velmora::PaneLook", "Printing the tree (the active pane)");
}

}  // namespace velmora
