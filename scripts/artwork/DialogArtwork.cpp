// The dialogs' button bitmaps and page illustrations.

#include "Artwork.h"

#include <QPainterPath>

#include <cmath>

namespace {

void Check(QPainter& p)
{
    p.setPen(Pen(kGreen, 2.4));
    p.drawPolyline(QPolygonF({{3, 8.5}, {6.5, 12}, {13, 4}}));
}

void Cross(QPainter& p)
{
    p.setPen(Pen(kRed, 2.4));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void Stop(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(3, 3, 10, 10), 2, 2);
}

void CircleArrow(QPainter& p, const QColor& color)
{
    p.setPen(Pen(color, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 3, 10, 10), 60 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({{9.5, 0.5}, {14, 4}, {8.5, 6.5}}));
}

void SkipArrow(QPainter& p)
{
    p.setPen(Pen(kAmber, 2));
    p.drawLine(QPointF(2, 8), QPointF(11, 8));
    p.drawPolyline(QPolygonF({{8, 4.5}, {11.5, 8}, {8, 11.5}}));
    p.drawLine(QPointF(14, 3), QPointF(14, 13));
}

void Door(QPainter& p)
{
    p.setPen(Pen(kInk, 1.4));
    p.setBrush(QColor(200, 215, 240));
    p.drawRect(QRectF(4, 2, 8, 12));
    p.setBrush(kInk);
    p.drawEllipse(QPointF(10, 8.5), 0.8, 0.8);
}

void Question(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(Qt::white);
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, "?");
}

void Plus(QPainter& p)
{
    p.setPen(Pen(kGreen, 2.6));
    p.drawLine(QPointF(8, 3), QPointF(8, 13));
    p.drawLine(QPointF(3, 8), QPointF(13, 8));
}

void Minus(QPainter& p)
{
    p.setPen(Pen(kRed, 2.6));
    p.drawLine(QPointF(3, 8), QPointF(13, 8));
}

void Sheet(QPainter& p)
{
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 1.5, 10, 13));
    p.setPen(Pen(kBlue, 1.2));
    for (double y : {5.0, 8.0, 11.0})
        p.drawLine(QPointF(5, y), QPointF(11, y));
}

void Axes(QPainter& p)
{
    p.setPen(Pen(kInk, 1.3));
    p.drawLine(QPointF(2, 14), QPointF(14, 14));
    p.drawLine(QPointF(2, 14), QPointF(2, 2));
    p.setPen(Pen(kBlue, 1.6));
    p.drawPolyline(QPolygonF({{3, 12}, {6, 6}, {9, 9}, {13, 3}}));
}

void Sigma(QPainter& p)
{
    p.setPen(Pen(kInk, 1.8));
    p.drawPolyline(QPolygonF({{13, 3.5}, {13, 2}, {3, 2}, {8, 8}, {3, 14}, {13, 14}, {13, 12.5}}));
}

// The page illustrations are 48 x 48.
void Frame(QPainter& p)
{
    p.setPen(Pen(kGrey, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 47, 47), 4, 4);
}

void VerticalRange(QPainter& p)
{
    Frame(p);
    p.setPen(Pen(kInk, 1.5));
    p.drawLine(QPointF(24, 6), QPointF(24, 42));
    p.drawLine(QPointF(10, 24), QPointF(38, 24));
    p.setPen(Pen(kRed, 2));
    for (double y : {8.0, 40.0})
        p.drawLine(QPointF(18, y), QPointF(30, y));
    p.setPen(Pen(kRed, 1.2));
    p.drawLine(QPointF(34, 10), QPointF(34, 38));
    p.drawPolyline(QPolygonF({{31.5, 13}, {34, 10}, {36.5, 13}}));
    p.drawPolyline(QPolygonF({{31.5, 35}, {34, 38}, {36.5, 35}}));
}

void HorizontalRange(QPainter& p)
{
    p.translate(48, 0);
    p.rotate(90);
    VerticalRange(p);
}

void Precision(QPainter& p)
{
    Frame(p);
    p.setPen(Pen(QColor(200, 210, 230), 1));
    p.drawLine(QPointF(6, 40), QPointF(42, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    for (int i = 0; i <= 12; ++i) {
        const double x = 6 + i * 3;
        const double y = 24 - 14 * std::sin(i * 0.52);
        p.drawEllipse(QPointF(x, y), 1.4, 1.4);
    }
}

void Spiral(QPainter& p)
{
    Frame(p);
    p.setPen(Pen(QColor(200, 210, 230), 1));
    p.drawLine(QPointF(24, 4), QPointF(24, 44));
    p.drawLine(QPointF(4, 24), QPointF(44, 24));
    QPainterPath path(QPointF(24, 24));
    for (int i = 1; i <= 120; ++i) {
        const double t = i * 0.1;
        const double r = 1.6 * t;
        path.lineTo(24 + r * std::cos(t), 24 - r * std::sin(t));
    }
    p.setPen(Pen(kBlue, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Lissajous(QPainter& p)
{
    Frame(p);
    QPainterPath path(QPointF(24, 24));
    for (int i = 1; i <= 200; ++i) {
        const double t = i * 2 * M_PI / 200;
        path.lineTo(24 + 17 * std::sin(3 * t), 24 - 17 * std::sin(2 * t));
    }
    p.setPen(Pen(kGreen, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

}  // namespace

static const RegisterArtwork dialogArtwork({
    {1001, 16, 16, Check},
    {1002, 16, 16, Cross},
    {1003, 16, 16, Stop},
    {1004, 16, 16, [](QPainter& p) { CircleArrow(p, kBlue); }},
    {1005, 16, 16, SkipArrow},
    {1006, 16, 16, Check},
    {1007, 16, 16, Cross},
    {1008, 16, 16, Door},
    {1009, 16, 16, Question},
    {2001, 16, 16, Plus},
    {2029, 16, 16, Plus},
    {2030, 16, 16, Minus},
    {2031, 16, 16, Sheet},
    {2032, 16, 16, Axes},
    {2041, 16, 16, [](QPainter& p) { CircleArrow(p, kGreen); }},
    {2077, 16, 16, Sigma},
    {137, 48, 48, HorizontalRange},
    {139, 48, 48, VerticalRange},
    {174, 48, 48, Spiral},
    {175, 48, 48, Lissajous},
    {176, 48, 48, Precision},
});
