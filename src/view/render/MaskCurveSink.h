#pragma once

#include "view/geometry/CurveSink.h"
#include "view/geometry/StrokeMask.h"

#include <QTransform>

class QColor;
class QImage;
class QPainter;

// Draws smooth curves straight into an image's pixels: the curve pass's
// lines and dots go into a coverage mask, which is blended in the curve's
// colour when the curve is done. Many times cheaper than the painter's
// anti-aliased stroke of the same lines, which rasterises the outline of
// every short segment and its join.
class MaskCurveSink : public CurveSink {
public:
    // The image the painter draws into when curves can go straight into its
    // pixels: a raster image of 32-bit pixels, only scaled and moved, with a
    // rectangular clip; null otherwise (the painter must stroke the curves).
    static QImage* DirectTarget(QPainter& painter);

    // width: the line's width in the painter's pixels.
    MaskCurveSink(QPainter& painter, QImage& image, double width);

    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void SetPixel(std::int32_t x, std::int32_t y) override;

    // Blends what was drawn since the last call in the colour.
    void Paint(const QColor& colour);

private:
    static PixelRect DeviceClip(QPainter& painter, const QImage& image);

    QImage& m_image;
    QTransform m_toDevice;
    StrokeMask m_mask;
    QPointF m_pen;
};
