// The Edit menu's toolbar buttons: undo, redo and export of the picture.

#include "Artwork.h"

#include <QPainterPath>

namespace {

const QColor kPaper(250, 250, 252);

// A hooked arrow turning back to the left (undo) or, mirrored, to the right.
void TurnArrow(QPainter& p, bool back)
{
    if (!back) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath hook;
    hook.moveTo(4, 5.5);
    hook.lineTo(9.5, 5.5);
    hook.cubicTo(15.5, 5.5, 15.5, 13.5, 9.5, 13.5);
    hook.lineTo(6, 13.5);
    p.setPen(Pen(kBlue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({{0.5, 5.5}, {5.5, 1}, {5.5, 10}}));
}

// A sheet with a small curve and an arrow leaving it.
void ExportSheet(QPainter& p)
{
    p.setPen(Pen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(0.5, 1.5, 10, 12));
    QPainterPath curve;
    curve.moveTo(2.5, 11);
    curve.cubicTo(4.5, 2, 6.5, 2, 8.5, 8);
    p.setPen(Pen(kRed, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(Pen(kGreen, 2));
    p.drawLine(QPointF(8, 8), QPointF(13, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({{12, 4}, {16, 8}, {12, 12}}));
}

const RegisterArtwork kEditArtwork({
    {32860, 16, 15, [](QPainter& p) { TurnArrow(p, true); }},
    {32861, 16, 15, [](QPainter& p) { TurnArrow(p, false); }},
    {32863, 16, 15, ExportSheet},
});

}  // namespace
