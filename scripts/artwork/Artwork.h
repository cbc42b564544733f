#pragma once

// The program's bitmaps are drawn by code: each area of the program keeps
// its drawings in its own file here and registers them with RegisterArtwork.

#include <QColor>
#include <QPainter>
#include <QPen>

#include <functional>
#include <vector>

struct Picture {
    unsigned id;  // res/images/<id>.png
    int width;
    int height;
    std::function<void(QPainter&)> draw;  // on a transparent image
};

std::vector<Picture>& ArtworkRegistry();

struct RegisterArtwork {
    explicit RegisterArtwork(std::vector<Picture> pictures);
};

// The palette the drawings share.
inline const QColor kInk(40, 60, 110);
inline const QColor kGreen(30, 140, 60);
inline const QColor kRed(190, 40, 40);
inline const QColor kBlue(40, 100, 200);
inline const QColor kAmber(220, 150, 20);
inline const QColor kGrey(130, 130, 130);

inline QPen Pen(const QColor& color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
