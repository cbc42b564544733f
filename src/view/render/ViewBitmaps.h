#pragma once

#include "Ids.h"

#include <QImage>

// The view's bitmaps, loaded once: every paint of the view draws some of
// them. Images rather than pixmaps, so that they may outlive the
// application object.
class ViewBitmaps {
public:
    // The program's bitmap (transparent where it has its top-left colour);
    // a null image when there is none.
    static const QImage& Get(BitmapId id);
    // The set pixels of a monochrome pattern in color, the rest transparent.
    static const QImage& Tinted(BitmapId id, const QColor& color);
};
