#include "view/render/ViewBitmaps.h"

#include "gui/AppBitmap.h"

#include <QPainter>

#include <map>
#include <utility>

const QImage& ViewBitmaps::Get(BitmapId id)
{
    static std::map<BitmapId, QImage> loaded;
    auto found = loaded.find(id);
    if (found == loaded.end())
        found = loaded.emplace(id, LoadAppBitmap(id).toImage()).first;
    return found->second;
}

const QImage& ViewBitmaps::Tinted(BitmapId id, const QColor& color)
{
    static std::map<std::pair<BitmapId, QRgb>, QImage> tinted;
    const std::pair<BitmapId, QRgb> key(id, color.rgba());
    auto found = tinted.find(key);
    if (found == tinted.end()) {
        QImage image = Get(id).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (!image.isNull()) {
            QPainter painter(&image);
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), color);
        }
        found = tinted.emplace(key, std::move(image)).first;
    }
    return found->second;
}
