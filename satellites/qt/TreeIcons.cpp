#include "satellites/qt/TreeIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace velmora {
namespace {

constexpr QColor kInk(40, 52, 72);

void DrawFolder(QPainter& p, bool open) {
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
    if (open) {
        p.setBrush(QColor(255, 226, 130));
        p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
    }
}

void DrawTransponder(QPainter& p, bool selected) {
    const QColor wave = selected ? QColor(230, 110, 20) : QColor(40, 110, 200);
    p.setPen(QPen(kInk, 1.4));
    p.drawLine(QPointF(8, 7), QPointF(5, 15));
    p.drawLine(QPointF(8, 7), QPointF(11, 15));
    p.drawLine(QPointF(6.2, 12), QPointF(9.8, 12));
    p.setBrush(wave);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(8, 6), 1.8, 1.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(wave, 1.3));
    p.drawArc(QRectF(4, 2, 8, 8), 30 * 16, 120 * 16);
    p.drawArc(QRectF(1, -1, 14, 14), 35 * 16, 110 * 16);
}

void DrawScreens(QPainter& p) {
    for (int i = 0; i < 2; ++i) {
        const QRectF r(1.5 + 3 * i, 1.5 + 3 * i, 10, 8);
        p.setPen(QPen(kInk, 1));
        p.setBrush(i ? QColor(90, 170, 240) : QColor(170, 190, 210));
        p.drawRect(r);
    }
    p.drawLine(QPointF(9, 13.5), QPointF(12, 13.5));
    p.drawLine(QPointF(10.5, 12.5), QPointF(10.5, 13.5));
}

void DrawDish(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(210, 215, 225));
    QPainterPath bowl;
    bowl.moveTo(2, 3);
    bowl.quadTo(3, 12, 12, 13);
    bowl.closeSubpath();
    p.drawPath(bowl);
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(QPointF(6, 9), QPointF(12, 4));
    p.setBrush(QColor(230, 110, 20));
    p.drawEllipse(QPointF(12.5, 3.5), 1.6, 1.6);
    p.drawLine(QPointF(6, 11), QPointF(6, 15));
    p.drawLine(QPointF(3, 15), QPointF(10, 15));
}

void DrawList(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    for (int i = 0; i < 4; ++i) {
        const double y = 4.5 + 3 * i;
        p.setPen(QPen(QColor(40, 110, 200), 1.5));
        p.drawPoint(QPointF(4, y));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(6, y), QPointF(12.5, y));
    }
}

void DrawStar(QPainter& p) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 ? 3.0 : 7.2;
        star << QPointF(8 + r * std::cos(a), 8.5 + r * std::sin(a));
    }
    p.setPen(QPen(QColor(170, 120, 0), 1));
    p.setBrush(QColor(255, 205, 40));
    p.drawPolygon(star);
}

void DrawLock(QPainter& p) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 1.5, 7, 9), 0, 180 * 16);
    p.drawLine(QPointF(4.5, 6), QPointF(4.5, 8));
    p.drawLine(QPointF(11.5, 6), QPointF(11.5, 8));
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 190, 60));
    p.drawRect(QRectF(2.5, 7.5, 11, 7));
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(8, 10.5), 1.3, 1.3);
    p.drawRect(QRectF(7.4, 10.5, 1.2, 2.5));
}

void DrawTv(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(90, 170, 240));
    p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 1.5, 1.5);
    p.drawLine(QPointF(5, 1), QPointF(8, 3.5));
    p.drawLine(QPointF(11, 1), QPointF(8, 3.5));
    p.drawLine(QPointF(5, 14.5), QPointF(11, 14.5));
}

void DrawGear(QPainter& p) {
    QPolygonF teeth;
    for (int i = 0; i < 32; ++i) {
        // Eight teeth: two outer and two inner corners each.
        const double a = i * M_PI / 16 - M_PI / 32;
        const double r = (i % 4 == 0 || i % 4 == 1) ? 7.3 : 5.4;
        teeth << QPointF(8 + r * std::cos(a), 8 + r * std::sin(a));
    }
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(170, 190, 210));
    p.drawPolygon(teeth);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 2.2, 2.2);
}

QPixmap Draw(int index) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
        case 0:
            DrawTv(p);
            break;
        case 1:
            DrawFolder(p, false);
            break;
        case 2:
            DrawFolder(p, true);
            break;
        case 3:
            DrawTransponder(p, false);
            break;
        case 4:
            DrawTransponder(p, true);
            break;
        case 5:
            DrawScreens(p);
            break;
        case 6:
            DrawDish(p);
            break;
        case 7:
            DrawList(p);
            break;
        case 8:
            DrawStar(p);
            break;
        case 9:
            DrawLock(p);
            break;
        default:
            DrawGear(p);
            break;
    }
    return pixmap;
}

}  // namespace

QPixmap TreeImage(int index) {
    if (index < 0 || index >= kTreeImageCount) return {};
    return Draw(index);
}

QIcon TreeNodeIcon(int image, int selected_image) {
    const QPixmap normal = TreeImage(image);
    if (normal.isNull()) return {};
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    const QPixmap selected = TreeImage(selected_image);
    icon.addPixmap(selected.isNull() ? normal : selected, QIcon::Selected);
    return icon;
}

}  // namespace velmora
