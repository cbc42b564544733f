// The graph view's arrowheads, grid patterns, logo and pointer.

#include "Artwork.h"

#include <QFont>
#include <QPainterPath>

#include <cmath>

namespace {

// Arrowhead at the right end of the horizontal axis, which runs along row
// 4; the axis name below it.
void RightArrow(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygon({{2, 0}, {12, 4}, {2, 8}}));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Pen(Qt::black, 1.2));
    p.drawLine(QPointF(4.5, 11.5), QPointF(9.5, 16));
    p.drawLine(QPointF(9.5, 11.5), QPointF(4.5, 16));
}

// Arrowhead at the top of the vertical axis, which runs down column 3; the
// axis name beside it.
void UpArrow(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygon({{3, 0}, {6, 9}, {0, 9}}));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Pen(Qt::black, 1.2));
    p.drawLine(QPointF(9, 3), QPointF(12, 8));
    p.drawLine(QPointF(15, 3), QPointF(10.5, 14));
}

// Every other pixel set, the first one clear, along a run of 66.
void Dots(QPainter& p, bool vertical)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 1; i < 66; i += 2)
        p.fillRect(vertical ? QRect(0, i, 1, 1) : QRect(i, 0, 1, 1), Qt::black);
}

void LogoCurves(QPainter& p)
{
    QPainterPath wave;
    wave.moveTo(24, 100);
    for (double x = 24; x <= 330; x += 2)
        wave.lineTo(x, 100 - 42 * std::sin((x - 24) / 34.0) * std::exp(-(x - 24) / 400.0));
    p.setPen(Pen(kBlue, 3.2));
    p.drawPath(wave);
    QPainterPath bowl;
    bowl.moveTo(130, 14);
    for (double x = 130; x <= 230; x += 2)
        bowl.lineTo(x, 96 - 82 * std::pow((x - 180) / 50.0, 2));
    p.setPen(Pen(kRed, 3.2));
    p.drawPath(bowl);
}

void Logo(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 242, 252));
    p.drawRoundedRect(QRectF(2, 2, 350, 176), 18, 18);
    p.setPen(Pen(kInk, 1.6));
    p.drawLine(QPointF(16, 100), QPointF(338, 100));
    p.drawLine(QPointF(180, 10), QPointF(180, 112));
    LogoCurves(p);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 114, 354, 60), Qt::AlignCenter, QStringLiteral("Curvix"));
}

// A thin cross with an open centre, outlined in white so that it shows on
// the curves and the grid; its hot spot is pixel (15, 15).
void ViewPointer(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect arms[] = {{15, 2, 1, 10}, {15, 19, 1, 11}, {2, 15, 10, 1}, {19, 15, 11, 1}};
    for (const QRect& arm : arms)
        p.fillRect(arm.adjusted(-1, -1, 1, 1), Qt::white);
    for (const QRect& arm : arms)
        p.fillRect(arm, Qt::black);
    p.fillRect(QRect(15, 15, 1, 1), Qt::black);
}

}  // namespace

static const RegisterArtwork viewArtwork({
    {141, 13, 17, RightArrow},
    {142, 16, 15, UpArrow},
    {148, 66, 1, [](QPainter& p) { Dots(p, false); }},
    {149, 1, 66, [](QPainter& p) { Dots(p, true); }},
    {150, 32, 32, ViewPointer},
    {188, 354, 180, Logo},
});
