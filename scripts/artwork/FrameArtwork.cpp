// The graph list's check boxes, colour sample frame and parametric brace.

#include "Artwork.h"

#include <QPainterPath>

namespace {

void Box(QPainter& p)
{
    p.setPen(Pen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 1.5, 12, 12));
}

void CheckedBox(QPainter& p)
{
    Box(p);
    p.setPen(Pen(kGreen, 2));
    p.drawPolyline(QPolygonF({{6, 7.5}, {8.5, 10}, {13, 4.5}}));
}

// A sunken frame around the place where the graph's colour line is drawn.
void ColorSample(QPainter& p)
{
    p.setPen(Pen(kGrey, 1));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(2.5, 2.5, 22, 11), 2, 2);
}

void Brace(QPainter& p)
{
    QPainterPath path(QPointF(6, 1));
    path.cubicTo(QPointF(3, 1), QPointF(4, 8), QPointF(4, 14));
    path.cubicTo(QPointF(4, 16), QPointF(2, 17.5), QPointF(1, 17.5));
    path.cubicTo(QPointF(2, 17.5), QPointF(4, 19), QPointF(4, 21));
    path.cubicTo(QPointF(4, 27), QPointF(3, 34), QPointF(6, 34));
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

}  // namespace

static const RegisterArtwork frameArtwork({
    {134, 20, 16, CheckedBox},
    {135, 20, 16, Box},
    {144, 29, 16, ColorSample},
    {182, 7, 35, Brace},
});
