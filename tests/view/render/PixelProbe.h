#pragma once

#include <QImage>

// The curves are one-pixel lines whose pixels may sit one pixel off the
// exact mapping, as line drawing rounds them.
inline bool IsRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

// Red within one pixel of (x, y).
inline bool RedNear(const QImage& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (IsRed(image.pixel(x + dx, y + dy)))
                return true;
        }
    }
    return false;
}

// Pixels that differ between two images of the same size.
inline int DifferingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}
