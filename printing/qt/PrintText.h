#pragma once
// What both printouts draw their texts with: a text placed by its top-left corner, as the
// page layouts measure, and the cursive face of their page titles.

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace velmora {

inline void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPointF(x, y + painter.fontMetrics().ascent()), text);
}

inline QFont CursiveTitleFont(double points) {
    QFont font(QStringLiteral("Monotype Corsiva"));
    font.setStyleHint(QFont::Cursive);  // the font system's choice when the face is missing
    font.setPointSizeF(points);
    return font;
}

}  // namespace velmora
