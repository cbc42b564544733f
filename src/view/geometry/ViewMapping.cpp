#include "view/geometry/ViewMapping.h"

#include "model/CoordSystem.h"
#include "expr/RoundToDecimals.h"
#include "view/geometry/ScrollAxis.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();

// Pixel count between two world edges, or -1 when count + 1 pixels would
// not fit in 32 bits.
std::int32_t PixelSpan(double zoom, double low, double high)
{
    const double span = std::floor(zoom * high) - std::floor(zoom * low);
    return span >= kInt32Max ? -1 : static_cast<std::int32_t>(span);
}

std::int64_t RoundedPixel(double value)
{
    return ClampedPixel(RoundToDecimals(value, 0));
}

bool FitsInt32(std::int64_t zoom, std::int64_t extent)
{
    return zoom * extent <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

ViewMapping::ViewMapping(const CoordSystem& coords, std::int32_t zoomX, std::int32_t zoomY)
    : m_zoomX(zoomX), m_zoomY(zoomY), m_xTimesPi(coords.xTimesPi), m_yTimesPi(coords.yTimesPi)
{
    coords.GetWorldRect(m_left, m_top, m_right, m_bottom);
}

bool ViewMapping::IsEmpty() const
{
    const bool finite = std::isfinite(m_left) && std::isfinite(m_top) && std::isfinite(m_right)
        && std::isfinite(m_bottom);
    return !finite || !(m_right > m_left) || !(m_top > m_bottom) || m_zoomX <= 0 || m_zoomY <= 0;
}

PixelSize ViewMapping::GetPictureSize() const
{
    if (IsEmpty())
        return {0, 0};
    const std::int32_t width = PixelSpan(m_zoomX, m_left, m_right);
    const std::int32_t height = PixelSpan(m_zoomY, m_bottom, m_top);
    if (width < 0 || height < 0)
        return {-1, -1};
    return {width + 1, height + 1};
}

PixelSize ViewMapping::FitPicture()
{
    PixelSize size = GetPictureSize();
    if (size.width < 0 || !FitsInt32(m_zoomX, size.width) || !FitsInt32(m_zoomY, size.height)) {
        m_zoomX = m_zoomY = kDefaultZoom;
        size = GetPictureSize();
    }
    m_picture = size.width < 0 ? PixelSize{0, 0} : size;
    return m_picture;
}

void ViewMapping::SetClientSize(std::int32_t width, std::int32_t height)
{
    m_client = {width, height};
}

std::int32_t ViewMapping::AreaWidth() const
{
    return std::max(m_client.width - kRightMargin, 0);
}

std::int32_t ViewMapping::AreaHeight() const
{
    return std::max(m_client.height - kBottomMargin, 0);
}

PixelPoint ViewMapping::GetOrigin() const
{
    return {RoundedPixel(m_zoomX * -m_left), RoundedPixel(m_zoomY * m_top)};
}

PixelPoint ViewMapping::WorldToPixelDelta(double x, double y) const
{
    return {RoundedPixel(m_zoomX * x), RoundedPixel(m_zoomY * y)};
}

PixelPoint ViewMapping::CentringOffset() const
{
    const std::int32_t areaWidth = AreaWidth();
    const std::int32_t areaHeight = AreaHeight();
    return {m_picture.width < areaWidth ? (areaWidth - m_picture.width) / 2 : 0,
            m_picture.height < areaHeight ? (areaHeight - m_picture.height) / 2 : 0};
}

PixelSize ViewMapping::DrawingSize() const
{
    return {std::min(m_picture.width, AreaWidth()), std::min(m_picture.height, AreaHeight())};
}

PixelPoint ViewMapping::WorldToWindow(double x, double y) const
{
    const PixelPoint origin = GetOrigin();
    const PixelPoint offset = CentringOffset();
    return {RoundedPixel(origin.x + m_zoomX * x) - m_scroll.x + offset.x,
            RoundedPixel(origin.y - m_zoomY * y) - m_scroll.y + offset.y};
}

WorldPoint ViewMapping::WindowToWorld(double windowX, double windowY) const
{
    if (IsEmpty())
        return {};
    const PixelPoint origin = GetOrigin();
    const PixelPoint offset = CentringOffset();
    const double dx = m_scroll.x + (windowX - offset.x) - origin.x;
    const double dy = origin.y - (m_scroll.y + (windowY - offset.y));
    return {dx / m_zoomX, dy / m_zoomY};
}

WorldPoint ViewMapping::ViewCentre() const
{
    if (IsEmpty())
        return {};
    const PixelPoint origin = GetOrigin();
    const std::int64_t halfWidth = AreaWidth() / 2;
    const std::int64_t halfHeight = AreaHeight() / 2;
    WorldPoint centre{static_cast<double>(m_scroll.x + halfWidth - origin.x) / m_zoomX,
                      static_cast<double>(origin.y - (m_scroll.y + halfHeight)) / m_zoomY};
    if (AreaWidth() > m_picture.width)
        centre.x = 0.0;
    if (AreaHeight() > m_picture.height)
        centre.y = 0.0;
    return centre;
}

PixelPoint ViewMapping::ScrollForViewCentre(WorldPoint centre) const
{
    const PixelPoint origin = GetOrigin();
    return {RoundedPixel(m_zoomX * centre.x) + origin.x - AreaWidth() / 2,
            origin.y - RoundedPixel(m_zoomY * centre.y) - AreaHeight() / 2};
}

PixelPoint ViewMapping::ScrollCentredOnOrigin() const
{
    return ScrollForViewCentre({});
}

PixelPoint ViewMapping::ClampedScroll(PixelPoint position) const
{
    const ScrollAxis horizontal(m_picture.width, AreaWidth());
    const ScrollAxis vertical(m_picture.height, AreaHeight());
    return {horizontal.Enabled() ? horizontal.Clamp(position.x) : 0,
            vertical.Enabled() ? vertical.Clamp(position.y) : 0};
}
