// The calculation tools' pictures: the kinds of graph in the tangent dialog
// and the integral sign with its pi marks on the results page.

#include "Artwork.h"

#include <QPainterPath>

#include <cmath>

namespace {

constexpr int kKindWidth = 64;
constexpr int kKindHeight = 48;

// Light axes through the middle of a kind picture.
void Axes(QPainter& p)
{
    p.setPen(Pen(kGrey, 1));
    p.drawLine(QPointF(4, kKindHeight / 2.0), QPointF(kKindWidth - 4, kKindHeight / 2.0));
    p.drawLine(QPointF(kKindWidth / 2.0, 4), QPointF(kKindWidth / 2.0, kKindHeight - 4));
}

// A curve through the points of fn(s) for s in [0, 1], in picture pixels.
template <typename Fn>
void Curve(QPainter& p, const QColor& color, Fn fn)
{
    QPainterPath path(fn(0.0));
    for (int i = 1; i <= 64; ++i)
        path.lineTo(fn(i / 64.0));
    p.setPen(Pen(color, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void YofX(QPainter& p)
{
    Axes(p);
    Curve(p, kBlue, [](double s) { return QPointF(6 + 52 * s, 24 - 14 * std::sin(s * 2 * M_PI)); });
}

void XofY(QPainter& p)
{
    Axes(p);
    Curve(p, kGreen, [](double s) { return QPointF(32 + 16 * std::sin(s * 2 * M_PI), 42 - 36 * s); });
}

void Polar(QPainter& p)
{
    Axes(p);
    Curve(p, kRed, [](double s) {
        const double t = s * 2 * M_PI;
        const double r = 8 + 10 * std::fabs(std::cos(2 * t));
        return QPointF(32 + r * std::cos(t), 24 - r * std::sin(t));
    });
}

void Parametric(QPainter& p)
{
    Axes(p);
    Curve(p, kAmber, [](double s) {
        const double t = s * 2 * M_PI;
        return QPointF(32 + 24 * std::sin(t), 24 - 16 * std::sin(2 * t));
    });
}

void IntegralSign(QPainter& p)
{
    QPainterPath path;
    path.moveTo(17, 5);
    path.cubicTo(12, 0, 8, 6, 11, 20);
    path.cubicTo(13, 32, 9, 45, 3, 39);
    p.setPen(Pen(kInk, 3));
    p.drawPath(path);
}

void PiMark(QPainter& p)
{
    p.setPen(Pen(kInk, 1.5));
    p.drawLine(QPointF(1.5, 3), QPointF(10.5, 3));
    p.drawLine(QPointF(4, 3), QPointF(3.5, 11));
    p.drawLine(QPointF(8, 3), QPointF(8.5, 11));
}

}  // namespace

static const RegisterArtwork toolsArtwork({
    {189, kKindWidth, kKindHeight, YofX},
    {190, kKindWidth, kKindHeight, XofY},
    {191, kKindWidth, kKindHeight, Polar},
    {192, kKindWidth, kKindHeight, Parametric},
    {21001, 20, 44, IntegralSign},
    {21002, 12, 12, PiMark},
});
