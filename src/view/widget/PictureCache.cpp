#include "PictureCache.h"

#include "ViewLayout.h"

#include <QPainter>

#include <cstdlib>

namespace {

bool operator==(PixelSize a, PixelSize b)
{
    return a.width == b.width && a.height == b.height;
}

// The two-pixel band beside new content is drawn again too.
constexpr int kBandSlack = 2;

// Moves the part of image inside rect by (dx, dy) pixels.
void MoveInside(QPixmap& image, const QRect& rect, int dx, int dy)
{
    image.scroll(dx, dy, rect);
}

}  // namespace

PictureCache::State PictureCache::Compare(PixelSize picture, PixelSize client, PixelPoint scroll) const
{
    if (m_image.isNull() || !(picture == m_picture) || !(client == m_client))
        return State::Rebuild;
    if (scroll.x != m_scroll.x || scroll.y != m_scroll.y)
        return State::Scrolled;
    return State::Valid;
}

bool PictureCache::Rebuild(PixelSize picture, PixelSize client, PixelPoint scroll)
{
    m_image = QPixmap(client.width, client.height);
    m_picture = picture;
    m_client = client;
    m_scroll = scroll;
    return !m_image.isNull();
}

PixelRect PictureCache::Scroll(PixelPoint scroll, const QColor& buttonFace)
{
    const std::int64_t dx = m_scroll.x - scroll.x;
    const std::int64_t dy = m_scroll.y - scroll.y;
    m_scroll = scroll;
    const PixelRect whole{0, 0, m_client.width, m_client.height};
    if (std::llabs(dx) >= m_client.width || std::llabs(dy) >= m_client.height)
        return whole;
    if (dy == 0)
        return ScrollColumns(static_cast<int>(dx), buttonFace);
    if (dx == 0)
        return ScrollRows(static_cast<int>(dy), buttonFace);
    ScrollColumns(static_cast<int>(dx), buttonFace);
    ScrollRows(static_cast<int>(dy), buttonFace);
    return whole;
}

PixelRect PictureCache::ScrollColumns(int dx, const QColor& buttonFace)
{
    const ViewLayout layout(QSize(m_client.width, m_client.height));
    const int areaWidth = layout.AreaWidth();
    const int areaHeight = layout.AreaHeight();
    const QRect area = layout.Area();
    const QRect strip = layout.BottomStrip();
    MoveInside(m_image, area, dx, 0);
    MoveInside(m_image, strip, dx, 0);
    const int bandWidth = std::min(std::abs(dx) + kBandSlack, areaWidth);
    const int left = dx < 0 ? areaWidth - bandWidth : 0;
    QPainter painter(&m_image);
    painter.fillRect(QRect(left, 0, bandWidth, areaHeight), Qt::white);
    painter.fillRect(QRect(left, strip.top(), bandWidth, strip.height()), buttonFace);
    return {left, 0, left + bandWidth, m_client.height};
}

PixelRect PictureCache::ScrollRows(int dy, const QColor& buttonFace)
{
    const ViewLayout layout(QSize(m_client.width, m_client.height));
    const int areaWidth = layout.AreaWidth();
    const int areaHeight = layout.AreaHeight();
    const QRect area = layout.Area();
    const QRect strip = layout.RightStrip();
    MoveInside(m_image, area, 0, dy);
    MoveInside(m_image, strip, 0, dy);
    const int bandHeight = std::min(std::abs(dy) + kBandSlack, areaHeight);
    const int top = dy < 0 ? areaHeight - bandHeight : 0;
    QPainter painter(&m_image);
    painter.fillRect(QRect(0, top, areaWidth, bandHeight), Qt::white);
    painter.fillRect(QRect(strip.left(), top, strip.width(), bandHeight), buttonFace);
    return {0, top, m_client.width, top + bandHeight};
}

void PictureCache::Empty()
{
    m_image = QPixmap();
    m_picture = {};
    m_client = {};
    m_scroll = {};
}
