// The main window's pictures: toolbar and menu images (one 16 x 15 picture
// per command id), the splash picture, the watermark behind the menu bar,
// the logo and the program icon (picture 128000 + size for each size).

#include "Artwork.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor kPaper(250, 250, 252);
const QColor kFolder(235, 190, 80);
const QColor kSky(225, 236, 250);

QFont LabelFont(double pixels, bool bold)
{
    QFont font("Liberation Sans");
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

// A sine-like curve through the rectangle, as the program draws graphs.
QPainterPath Wave(const QRectF& r, double turns)
{
    QPainterPath path(QPointF(r.left(), r.center().y()));
    for (int i = 1; i <= 64; ++i) {
        const double t = i / 64.0;
        path.lineTo(r.left() + t * r.width(),
                    r.center().y() - r.height() / 2 * std::sin(t * turns * 2 * M_PI));
    }
    return path;
}

// --- Toolbar and menu images -------------------------------------------

void Page(QPainter& p)
{
    p.setPen(Pen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF({{3.5, 0.5}, {10, 0.5}, {13.5, 4}, {13.5, 14.5}, {3.5, 14.5}}));
    p.drawPolyline(QPolygonF({{10, 0.5}, {10, 4}, {13.5, 4}}));
}

void Folder(QPainter& p)
{
    p.setPen(Pen(kInk, 1));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({{0.5, 3}, {5, 3}, {6.5, 4.5}, {13.5, 4.5}, {13.5, 13.5}, {0.5, 13.5}}));
    p.setBrush(kFolder.lighter(125));
    p.drawPolygon(QPolygonF({{2.5, 7}, {15.5, 7}, {13.5, 13.5}, {0.5, 13.5}}));
}

void Disk(QPainter& p)
{
    p.setPen(Pen(kInk, 1));
    p.setBrush(kBlue);
    p.drawRect(QRectF(1.5, 1.5, 12, 12));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4, 9, 7, 4.5));
}

// The window with the graph list on its left, and an arrow that hides or
// shows the list.
void Panes(QPainter& p, bool show)
{
    p.setPen(Pen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(0.5, 1.5, 15, 12));
    p.setBrush(kSky);
    p.drawRect(QRectF(0.5, 1.5, 5, 12));
    p.setPen(Pen(show ? kGreen : kRed, 1.8));
    const double tip = show ? 14 : 8;
    const double tail = show ? 8 : 14;
    p.drawLine(QPointF(tail, 7.5), QPointF(tip, 7.5));
    const double back = show ? tip - 2.5 : tip + 2.5;
    p.drawPolyline(QPolygonF({{back, 5}, {tip, 7.5}, {back, 10}}));
}

void Refresh(QPainter& p)
{
    p.setPen(Pen(kGreen, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 70 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({{9, 0}, {13.5, 3}, {8.5, 6}}));
}

// A magnifier with + or -, and an optional arrow telling the axis.
enum class Axis { Both, X, Y };

void Magnifier(QPainter& p, bool in, Axis axis)
{
    const QPointF centre = axis == Axis::Y ? QPointF(9.5, 6) : QPointF(6.5, 6);
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(QColor(235, 245, 255));
    p.drawEllipse(centre, 4.5, 4.5);
    p.setPen(Pen(kInk, 2.4));
    p.drawLine(centre + QPointF(3.4, 3.4), centre + QPointF(6, 6));
    p.setPen(Pen(in ? kGreen : kRed, 1.5));
    p.drawLine(centre - QPointF(2.3, 0), centre + QPointF(2.3, 0));
    if (in)
        p.drawLine(centre - QPointF(0, 2.3), centre + QPointF(0, 2.3));
    p.setPen(Pen(kBlue, 1.3));
    if (axis == Axis::X) {
        p.drawLine(QPointF(1, 13), QPointF(10, 13));
        p.drawPolyline(QPolygonF({{8, 11}, {10, 13}, {8, 15}}));
    } else if (axis == Axis::Y) {
        p.drawLine(QPointF(1.5, 14), QPointF(1.5, 1));
        p.drawPolyline(QPolygonF({{-0.5, 3}, {1.5, 1}, {3.5, 3}}));
    }
}

void Grid(QPainter& p)
{
    p.setPen(Pen(kGrey, 1));
    for (double v : {1.5, 5.5, 9.5, 13.5}) {
        p.drawLine(QPointF(v, 0.5), QPointF(v, 14.5));
        p.drawLine(QPointF(0.5, v), QPointF(14.5, v));
    }
    p.setPen(Pen(kBlue, 1.6));
    p.drawPath(Wave(QRectF(1, 3, 14, 9), 1));
}

void Pointer(QPainter& p)
{
    p.setPen(Pen(kInk, 1));
    p.drawLine(QPointF(6, 0.5), QPointF(6, 11.5));
    p.drawLine(QPointF(0.5, 6), QPointF(11.5, 6));
    p.setPen(Pen(kRed, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(6, 6), 2.5, 2.5);
    p.setPen(Pen(kInk, 1));
    p.setBrush(QColor(255, 250, 215));
    p.drawRect(QRectF(7.5, 10.5, 8, 4));
}

void Sliders(QPainter& p)
{
    for (int i = 0; i < 3; ++i) {
        const double y = 2.5 + i * 5;
        const double knob = i == 1 ? 10 : (i == 0 ? 5 : 8);
        p.setPen(Pen(kGrey, 1.4));
        p.drawLine(QPointF(1, y), QPointF(15, y));
        p.setPen(Pen(kInk, 1));
        p.setBrush(kAmber);
        p.drawRect(QRectF(knob - 1.5, y - 2, 3, 4));
    }
}

void Book(QPainter& p)
{
    p.setPen(Pen(kInk, 1));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(2.5, 0.5, 11, 14), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 12, 10, 2.5));
    p.setPen(Qt::white);
    p.setFont(LabelFont(10, true));
    p.drawText(QRectF(2.5, 0, 11, 12), Qt::AlignCenter, "?");
}

void ArrowQuestion(QPainter& p)
{
    p.setPen(Pen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{1, 1}, {1, 12}, {3.8, 9.5}, {6, 14}, {7.8, 13}, {5.6, 8.6}, {9, 8.4}}));
    p.setPen(kBlue);
    p.setFont(LabelFont(11, true));
    p.drawText(QRectF(8, 0, 8, 12), Qt::AlignCenter, "?");
}

void Globe(QPainter& p)
{
    p.setPen(Pen(kBlue, 1.1));
    p.setBrush(kSky);
    p.drawEllipse(QPointF(8, 7.5), 6.5, 6.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 7.5), 2.8, 6.5);
    p.drawLine(QPointF(1.5, 7.5), QPointF(14.5, 7.5));
    p.drawLine(QPointF(2.5, 4), QPointF(13.5, 4));
    p.drawLine(QPointF(2.5, 11), QPointF(13.5, 11));
}

void SmallAxes(QPainter& p)
{
    p.setPen(Pen(kInk, 1.1));
    p.drawLine(QPointF(1, 13.5), QPointF(15, 13.5));
    p.drawLine(QPointF(2.5, 14.5), QPointF(2.5, 1));
}

void Tangent(QPainter& p)
{
    SmallAxes(p);
    p.setPen(Pen(kBlue, 1.5));
    QPainterPath arc(QPointF(3, 12));
    arc.quadTo(QPointF(8, 0), QPointF(14, 12));
    p.drawPath(arc);
    p.setPen(Pen(kRed, 1.3));
    p.drawLine(QPointF(3, 6.3), QPointF(15, 6.3));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(8.5, 6.3), 1.2, 1.2);
}

void Integral(QPainter& p)
{
    SmallAxes(p);
    QPainterPath area(QPointF(5, 13.5));
    area.lineTo(5, 8);
    area.quadTo(QPointF(9, 1), QPointF(13, 7));
    area.lineTo(13, 13.5);
    area.closeSubpath();
    p.setPen(Pen(kBlue, 1.2));
    p.setBrush(QColor(150, 190, 240));
    p.drawPath(area);
}

void Star(QPainter& p, const QPointF& c, double r)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 ? r * 0.45 : r;
        star << c + QPointF(radius * std::cos(a), radius * std::sin(a));
    }
    p.setPen(Pen(kAmber.darker(130), 0.8));
    p.setBrush(kAmber);
    p.drawPolygon(star);
}

// A small graph with a mark in the top-right corner.
void GraphWith(QPainter& p, const std::function<void(QPainter&)>& mark)
{
    SmallAxes(p);
    p.setPen(Pen(kBlue, 1.4));
    p.drawPath(Wave(QRectF(2.5, 6, 12, 9), 1));
    mark(p);
}

void PlusMark(QPainter& p)
{
    p.setPen(Pen(kGreen, 2));
    p.drawLine(QPointF(12, 0.5), QPointF(12, 7.5));
    p.drawLine(QPointF(8.5, 4), QPointF(15.5, 4));
}

void MinusMark(QPainter& p)
{
    p.setPen(Pen(kRed, 2));
    p.drawLine(QPointF(8.5, 4), QPointF(15.5, 4));
}

void SheetMark(QPainter& p)
{
    p.setPen(Pen(kInk, 0.9));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9.5, 0.5, 6, 7.5));
    p.setPen(Pen(kBlue, 0.9));
    p.drawLine(QPointF(11, 3), QPointF(14, 3));
    p.drawLine(QPointF(11, 5.5), QPointF(14, 5.5));
}

// --- Larger pictures ---------------------------------------------------

// The program icon on a 256-unit square, scaled to each size.
void ProgramIconAt(QPainter& p, int size)
{
    p.scale(size / 256.0, size / 256.0);
    // Small sizes get heavier lines so the curve stays visible.
    const double weight = size <= 24 ? 2.2 : (size <= 48 ? 1.5 : 1.0);
    QLinearGradient sky(0, 0, 0, 256);
    sky.setColorAt(0, QColor(70, 120, 210));
    sky.setColorAt(1, QColor(30, 60, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    p.setPen(Pen(QColor(255, 255, 255, 170), 8 * weight));
    p.drawLine(QPointF(40, 128), QPointF(216, 128));
    p.drawLine(QPointF(128, 40), QPointF(128, 216));
    p.setPen(Pen(QColor(255, 210, 80), 16 * weight));
    p.drawPath(Wave(QRectF(36, 64, 184, 128), 1.25));
}

void Splash(QPainter& p)
{
    const QRectF all(0, 0, 400, 240);
    QLinearGradient back(0, 0, 0, 240);
    back.setColorAt(0, QColor(60, 105, 190));
    back.setColorAt(1, QColor(20, 40, 95));
    p.fillRect(all, back);
    p.setPen(Pen(QColor(255, 255, 255, 40), 1));
    for (int x = 20; x < 400; x += 20)
        p.drawLine(QPointF(x, 0), QPointF(x, 240));
    for (int y = 20; y < 240; y += 20)
        p.drawLine(QPointF(0, y), QPointF(400, y));
    p.setPen(Pen(QColor(255, 210, 80), 3));
    p.drawPath(Wave(QRectF(0, 130, 400, 80), 2));
    p.setPen(Pen(QColor(140, 230, 160), 2));
    p.drawPath(Wave(QRectF(0, 150, 400, 50), 3.5));
    p.setPen(Qt::white);
    p.setFont(LabelFont(56, true));
    p.drawText(QRectF(30, 30, 340, 70), Qt::AlignLeft | Qt::AlignVCenter, "Curvix");
    p.setFont(LabelFont(16, false));
    p.drawText(QRectF(34, 98, 340, 24), Qt::AlignLeft | Qt::AlignVCenter, "Version 2.0");
    p.setPen(QColor(255, 255, 255, 120));
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
}

// Faint curves on a light ground; menu texts stay readable on top of it.
void Watermark(QPainter& p)
{
    QLinearGradient back(0, 0, 256, 0);
    back.setColorAt(0, QColor(236, 241, 250));
    back.setColorAt(0.5, QColor(222, 232, 248));
    back.setColorAt(1, QColor(236, 241, 250));
    p.fillRect(QRectF(0, 0, 256, 64), back);
    p.setPen(Pen(QColor(190, 205, 235), 1.5));
    p.drawPath(Wave(QRectF(0, 8, 256, 48), 2));
    p.setPen(Pen(QColor(205, 220, 240), 1.5));
    p.drawPath(Wave(QRectF(0, 20, 256, 24), 4));
}

void Logo(QPainter& p)
{
    p.setPen(Pen(kBlue, 4));
    p.drawPath(Wave(QRectF(4, 8, 64, 48), 1));
    p.setPen(kInk);
    p.setFont(LabelFont(40, true));
    p.drawText(QRectF(74, 0, 130, 64), Qt::AlignLeft | Qt::AlignVCenter, "Curvix");
}

std::vector<Picture> ProgramIcons()
{
    std::vector<Picture> icons;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icons.push_back({128000u + size, size, size, [size](QPainter& p) { ProgramIconAt(p, size); }});
    return icons;
}

std::vector<Picture> ShellPictures()
{
    std::vector<Picture> pictures = {
        // Toolbar 128.
        {57600, 16, 15, Page},
        {57601, 16, 15, Folder},
        {57603, 16, 15, Disk},
        {32773, 16, 15, [](QPainter& p) { Panes(p, false); }},
        {32774, 16, 15, [](QPainter& p) { Panes(p, true); }},
        {32775, 16, 15, Refresh},
        {32778, 16, 15, [](QPainter& p) { Magnifier(p, true, Axis::Both); }},
        {32779, 16, 15, [](QPainter& p) { Magnifier(p, false, Axis::Both); }},
        {32793, 16, 15, [](QPainter& p) { Magnifier(p, true, Axis::X); }},
        {32794, 16, 15, [](QPainter& p) { Magnifier(p, false, Axis::X); }},
        {32795, 16, 15, [](QPainter& p) { Magnifier(p, true, Axis::Y); }},
        {32796, 16, 15, [](QPainter& p) { Magnifier(p, false, Axis::Y); }},
        {32784, 16, 15, Grid},
        {32783, 16, 15, Pointer},
        {32801, 16, 15, Sliders},
        {57667, 16, 15, Book},
        {57669, 16, 15, ArrowQuestion},
        // Strip 193.
        {32791, 16, 15, Globe},
        {32789, 16, 15, Tangent},
        {32788, 16, 15, Integral},
        {32810, 16, 15, [](QPainter& p) { SmallAxes(p); Star(p, {11, 5}, 4.5); }},
        {32816, 16, 15, [](QPainter& p) { SmallAxes(p); SheetMark(p); }},
        {32811, 16, 15, [](QPainter& p) { GraphWith(p, PlusMark); }},
        {32812, 16, 15, [](QPainter& p) { GraphWith(p, MinusMark); }},
        {32813, 16, 15, [](QPainter& p) { GraphWith(p, SheetMark); }},
        // Splash, watermark and logo.
        {113, 400, 240, Splash},
        {132, 256, 64, Watermark},
        {184, 210, 64, Logo},
    };
    for (Picture& icon : ProgramIcons())
        pictures.push_back(std::move(icon));
    return pictures;
}

}  // namespace

static const RegisterArtwork shellArtwork(ShellPictures());
