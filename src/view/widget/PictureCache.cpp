#include "view/widget/PictureCache.h"

#include "view/render/ViewLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

bool operator==(PixelSize a, PixelSize b)
{
    return a.width == b.width && a.height == b.height;
}

// The two-pixel band beside new content is drawn again too.
constexpr int kBandSlack = 2;

int ImagePixels(int windowPixels, double ratio)
{
    return static_cast<int>(std::ceil(windowPixels * ratio));
}

}  // namespace

PictureCache::State PictureCache::Compare(PixelSize picture, PixelSize client, PixelPoint scroll, double ratio) const
{
    if (m_image.isNull() || !(picture == m_picture) || !(client == m_client) || ratio != m_ratio)
        return State::Rebuild;
    if (scroll.x != m_scroll.x || scroll.y != m_scroll.y)
        return State::Scrolled;
    return State::Valid;
}

bool PictureCache::Rebuild(PixelSize picture, PixelSize client, PixelPoint scroll, double ratio)
{
    m_image = QImage(ImagePixels(client.width, ratio), ImagePixels(client.height, ratio),
                     QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(ratio);
    m_picture = picture;
    m_client = client;
    m_scroll = scroll;
    m_ratio = ratio;
    return !m_image.isNull();
}

PixelRect PictureCache::Scroll(PixelPoint scroll)
{
    const std::int64_t dx = m_scroll.x - scroll.x;
    const std::int64_t dy = m_scroll.y - scroll.y;
    m_scroll = scroll;
    const PixelRect whole{0, 0, m_client.width, m_client.height};
    // At a fractional ratio a move of whole window pixels is not one of whole
    // image pixels: the picture is drawn afresh instead of shifted.
    const bool wholeRatio = m_ratio == std::round(m_ratio);
    if (!wholeRatio || std::llabs(dx) >= m_client.width || std::llabs(dy) >= m_client.height)
        return whole;
    if (dy == 0)
        return ScrollAlong(static_cast<int>(dx), true);
    if (dx == 0)
        return ScrollAlong(static_cast<int>(dy), false);
    ScrollAlong(static_cast<int>(dx), true);
    ScrollAlong(static_cast<int>(dy), false);
    return whole;
}

// The image scrolls in its own pixels.
PixelRect PictureCache::ScrollAlong(int delta, bool horizontal)
{
    const ViewLayout layout(QSize(m_client.width, m_client.height));
    const int step = static_cast<int>(std::lround(delta * m_ratio));
    const int dx = horizontal ? step : 0;
    const int dy = horizontal ? 0 : step;
    ScrollPixels(dx, dy, ImageRect(layout.Area()));
    ScrollPixels(dx, dy, ImageRect(horizontal ? layout.BottomStrip() : layout.RightStrip()));
    const int extent = horizontal ? layout.AreaWidth() : layout.AreaHeight();
    const int band = std::min(std::abs(delta) + kBandSlack, extent);
    const int start = delta < 0 ? extent - band : 0;
    if (horizontal)
        return {start, 0, start + band, m_client.height};
    return {0, start, m_client.width, start + band};
}

// Moves the image's pixels inside the rectangle by (dx, dy); what moves out
// of it is lost, what it uncovers keeps its old pixels.
void PictureCache::ScrollPixels(int dx, int dy, const QRect& rect)
{
    const QRect target = rect.translated(dx, dy) & rect & m_image.rect();
    if (target.isEmpty())
        return;
    const QRect source = target.translated(-dx, -dy);
    const auto bytes = static_cast<std::size_t>(target.width()) * sizeof(QRgb);
    const auto copyRow = [&](int row) {
        std::memmove(m_image.scanLine(target.top() + row) + target.left() * sizeof(QRgb),
                     m_image.constScanLine(source.top() + row) + source.left() * sizeof(QRgb), bytes);
    };
    if (dy > 0) {
        for (int row = target.height() - 1; row >= 0; --row)
            copyRow(row);
    } else {
        for (int row = 0; row < target.height(); ++row)
            copyRow(row);
    }
}

QRect PictureCache::ImageRect(const QRect& window) const
{
    const int left = static_cast<int>(std::floor(window.left() * m_ratio));
    const int top = static_cast<int>(std::floor(window.top() * m_ratio));
    const int right = ImagePixels(window.left() + window.width(), m_ratio);
    const int bottom = ImagePixels(window.top() + window.height(), m_ratio);
    return QRect(left, top, right - left, bottom - top);
}

void PictureCache::Empty()
{
    m_image = QImage();
    m_picture = {};
    m_client = {};
    m_scroll = {};
    m_ratio = 1.0;
}
