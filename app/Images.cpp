#include "app/Images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <iterator>

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

// Capital letters and "?" drawn as strokes in `r`: a font would be looked up and loaded
// at start-up for three icons.
void Letter(QPainter& p, const QRectF& r, char letter, const QColor& colour) {
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const double l = r.left(), t = r.top(), w = r.width(), h = r.height();
    auto at = [&](double x, double y) { return QPointF(l + x * w, t + y * h); };
    switch (letter) {
        case 'A':
            p.drawPolyline(QPolygonF({at(0.1, 1), at(0.5, 0), at(0.9, 1)}));
            p.drawLine(at(0.27, 0.62), at(0.73, 0.62));
            break;
        case 'Z':
            p.drawPolyline(
                QPolygonF({at(0.12, 0.05), at(0.88, 0.05), at(0.12, 0.95), at(0.88, 0.95)}));
            break;
        default: {  // '?'
            QPainterPath hook;
            hook.moveTo(at(0.2, 0.3));
            hook.cubicTo(at(0.2, -0.05), at(0.85, -0.05), at(0.8, 0.3));
            hook.cubicTo(at(0.75, 0.5), at(0.5, 0.5), at(0.5, 0.68));
            p.drawPath(hook);
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(at(0.5, 0.88), 1.1, 1.1);
            break;
        }
    }
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
    // Most commands have no image: no pixmap or painter is made for them.
    static constexpr int kDrawn[] = {
        kCmdFileNew,       kCmdFileOpen,     kCmdFileSave, kCmdAddChannel, kCmdEditChannel,
        kCmdDeleteChannel, kCmdMoveChannel,  kCmdAbout,    kCmdSortAToZ,   kCmdSortZToA,
        kCmdTvChannel,     kCmdRadioChannel, kCmdEditUndo, kCmdEditRedo};
    if (std::find(std::begin(kDrawn), std::end(kDrawn), command_id) == std::end(kDrawn)) return {};
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
            Letter(p, QRectF(4.5, 3, 6, 9), '?', kBlue);
            break;
        case kCmdSortAToZ:
        case kCmdSortZToA: {
            const bool az = command_id == kCmdSortAToZ;
            Letter(p, QRectF(1.5, 0.5, 6, 5.5), az ? 'A' : 'Z', kInk);
            Letter(p, QRectF(1.5, 8.5, 6, 5.5), az ? 'Z' : 'A', kInk);
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
