#include "app/Images.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "commands/CommandIds.h"

namespace velmora {
namespace {

const QColor kInk(40, 52, 72);
const QColor kBlue(40, 110, 200);
const QColor kScreen(90, 170, 240);

void Page(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{2.5, 0.5}, {10.5, 0.5}, {13.5, 3.5}, {13.5, 14.5}, {2.5, 14.5}}));
    p.drawPolyline(QPolygonF({{10.5, 0.5}, {10.5, 3.5}, {13.5, 3.5}}));
}

void Folder(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(0.5, 3.5, 12, 10));
    p.drawRect(QRectF(0.5, 1.5, 5, 2));
    p.setBrush(QColor(255, 226, 130));
    p.drawPolygon(QPolygonF({{3.5, 6.5}, {15.5, 6.5}, {12.5, 13.5}, {0.5, 13.5}}));
}

void Floppy(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(60, 90, 160));
    p.drawPolygon(QPolygonF({{0.5, 0.5}, {13.5, 0.5}, {15.5, 2.5}, {15.5, 14.5}, {0.5, 14.5}}));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 0.5, 9, 5));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(3.5, 8.5, 9, 6));
}

void Tv(QPainter& p, double right = 12.5) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kScreen);
    p.drawRoundedRect(QRectF(0.5, 2.5, right, 9), 1.5, 1.5);
    p.drawLine(QPointF(3, 13.5), QPointF(right - 2, 13.5));
}

void Badge(QPainter& p, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(11.5, 10.5), 4.2, 4.2);
    p.setPen(QPen(Qt::white, 1.6));
}

void Text(QPainter& p, const QRectF& r, const QString& text, int pixel_size, const QColor& colour) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixel_size);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void Arrow(QPainter& p, double x, bool down) {
    p.setPen(QPen(kBlue, 1.5));
    p.drawLine(QPointF(x, 2), QPointF(x, 13));
    p.setBrush(kBlue);
    p.setPen(Qt::NoPen);
    if (down)
        p.drawPolygon(QPolygonF({{x - 3, 10}, {x + 3, 10}, {x, 14.5}}));
    else
        p.drawPolygon(QPolygonF({{x - 3, 5}, {x + 3, 5}, {x, 0.5}}));
}

void Radio(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(200, 120, 60));
    p.drawRoundedRect(QRectF(0.5, 4.5, 15, 10), 2, 2);
    p.setBrush(QColor(240, 225, 200));
    p.drawEllipse(QPointF(5, 9.5), 3, 3);
    p.drawLine(QPointF(3, 4.5), QPointF(13, 0.5));
    p.setPen(QPen(kInk, 1));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(10, 7.5 + 2 * i), QPointF(14, 7.5 + 2 * i));
}

// A curved arrow pointing left (undo) or, mirrored, right (redo).
void TurnArrow(QPainter& p, bool redo) {
    if (redo) p.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
    QPainterPath path;
    path.moveTo(13.5, 13);
    path.cubicTo(14.5, 6, 9, 3.5, 4, 6);
    p.setPen(QPen(kBlue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({{0.5, 7.5}, {6, 2}, {7, 10}}));
}

}  // namespace

QPixmap ToolbarImage(int command_id) {
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (command_id) {
        case kCmdFileNew:
            Page(p);
            break;
        case kCmdFileOpen:
            Folder(p);
            break;
        case kCmdFileSave:
            Floppy(p);
            break;
        case kCmdAddChannel:
            Tv(p);
            Badge(p, QColor(40, 160, 60));
            p.drawLine(QPointF(9, 10.5), QPointF(14, 10.5));
            p.drawLine(QPointF(11.5, 8), QPointF(11.5, 13));
            break;
        case kCmdEditChannel:
            Tv(p);
            p.setPen(QPen(QColor(150, 110, 20), 2.4));
            p.drawLine(QPointF(8, 13.5), QPointF(15, 6.5));
            p.setPen(QPen(kInk, 1));
            p.drawLine(QPointF(7, 14.5), QPointF(8.2, 13.3));
            break;
        case kCmdDeleteChannel:
            Tv(p);
            Badge(p, QColor(200, 40, 40));
            p.drawLine(QPointF(9.7, 8.7), QPointF(13.3, 12.3));
            p.drawLine(QPointF(13.3, 8.7), QPointF(9.7, 12.3));
            break;
        case kCmdMoveChannel:
            Arrow(p, 4.5, false);
            Arrow(p, 11.5, true);
            break;
        case kCmdAbout:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(255, 250, 210));
            p.drawEllipse(QRectF(0.5, 0.5, 14, 14));
            Text(p, QRectF(0, 0, 15.5, 15), QStringLiteral("?"), 12, kBlue);
            break;
        case kCmdSortAToZ:
        case kCmdSortZToA: {
            const bool az = command_id == kCmdSortAToZ;
            Text(p, QRectF(0, -1, 10, 8), az ? QStringLiteral("A") : QStringLiteral("Z"), 8, kInk);
            Text(p, QRectF(0, 7, 10, 8), az ? QStringLiteral("Z") : QStringLiteral("A"), 8, kInk);
            Arrow(p, 12.5, true);
            break;
        }
        case kCmdTvChannel:
            Tv(p, 15);
            p.setPen(QPen(kInk, 1));
            p.drawLine(QPointF(5, 0), QPointF(8, 2.5));
            p.drawLine(QPointF(11, 0), QPointF(8, 2.5));
            break;
        case kCmdRadioChannel:
            Radio(p);
            break;
        case kCmdEditUndo:
        case kCmdEditRedo:
            TurnArrow(p, command_id == kCmdEditRedo);
            break;
        default:
            return {};
    }
    return pixmap;
}

QPixmap VelmoraPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 48, 96));
    p.drawRoundedRect(QRectF(0, 0, 32, 32), 6, 6);
    p.setBrush(QColor(255, 220, 90));
    p.drawEllipse(QPointF(24, 7), 1.6, 1.6);
    p.drawEllipse(QPointF(17, 4), 1.0, 1.0);
    p.drawEllipse(QPointF(28, 14), 1.0, 1.0);
    // The dish.
    QPainterPath bowl;
    bowl.moveTo(4, 9);
    bowl.quadTo(5, 25, 21, 26);
    bowl.closeSubpath();
    p.setBrush(QColor(225, 230, 240));
    p.setPen(QPen(QColor(255, 255, 255), 1));
    p.drawPath(bowl);
    p.setPen(QPen(QColor(225, 230, 240), 1.8));
    p.drawLine(QPointF(11, 19), QPointF(21, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 30));
    p.drawEllipse(QPointF(21.5, 9.5), 2.4, 2.4);
    p.setPen(QPen(QColor(225, 230, 240), 2));
    p.drawLine(QPointF(11, 23), QPointF(11, 30));
    p.drawLine(QPointF(6, 30), QPointF(17, 30));
    return pixmap;
}

QIcon VelmoraIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(VelmoraPixmap(size));
    return icon;
}

}  // namespace velmora
