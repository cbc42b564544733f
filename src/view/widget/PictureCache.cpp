#include "PictureCache.h"

#include "ViewLayout.h"


#include <algorithm>
#include <cstdlib>

namespace {

bool operator==(PixelSize a, PixelSize b)
{
    return a.width == b.width && a.height == b.height;
}

// The two-pixel band beside new content is drawn again too.
constexpr int kBandSlack = 2;

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

PixelRect PictureCache::Scroll(PixelPoint scroll)
{
    const std::int64_t dx = m_scroll.x - scroll.x;
    const std::int64_t dy = m_scroll.y - scroll.y;
    m_scroll = scroll;
    const PixelRect whole{0, 0, m_client.width, m_client.height};
    if (std::llabs(dx) >= m_client.width || std::llabs(dy) >= m_client.height)
        return whole;
    if (dy == 0)
        return ScrollAlong(static_cast<int>(dx), true);
    if (dx == 0)
        return ScrollAlong(static_cast<int>(dy), false);
    ScrollAlong(static_cast<int>(dx), true);
    ScrollAlong(static_cast<int>(dy), false);
    return whole;
}

PixelRect PictureCache::ScrollAlong(int delta, bool horizontal)
{
    const ViewLayout layout(QSize(m_client.width, m_client.height));
    const int dx = horizontal ? delta : 0;
    const int dy = horizontal ? 0 : delta;
    m_image.scroll(dx, dy, layout.Area());
    m_image.scroll(dx, dy, horizontal ? layout.BottomStrip() : layout.RightStrip());
    const int extent = horizontal ? layout.AreaWidth() : layout.AreaHeight();
    const int band = std::min(std::abs(delta) + kBandSlack, extent);
    const int start = delta < 0 ? extent - band : 0;
    if (horizontal)
        return {start, 0, start + band, m_client.height};
    return {0, start, m_client.width, start + band};
}

void PictureCache::Empty()
{
    m_image = QPixmap();
    m_picture = {};
    m_client = {};
    m_scroll = {};
}
