#include "view/widget/PictureCache.h"

#include "view/render/ViewLayout.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

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
    m_shift = {};
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
    if (!wholeRatio || std::llabs(dx) >= m_client.width || std::llabs(dy) >= m_client.height
        || (dx != 0 && dy != 0)) {
        m_shift = {};  // all of it is drawn again
        return whole;
    }
    const bool horizontal = dy == 0;
    const int delta = static_cast<int>(horizontal ? dx : dy);
    MoveShift(delta, horizontal);
    const ViewLayout layout(QSize(m_client.width, m_client.height));
    const int extent = horizontal ? layout.AreaWidth() : layout.AreaHeight();
    const int band = std::min(std::abs(delta) + kBandSlack, extent);
    const int start = delta < 0 ? extent - band : 0;
    if (horizontal)
        return {start, 0, start + band, m_client.height};
    return {0, start, m_client.width, start + band};
}

// The picture moves by delta: what is now at a window pixel was delta
// before it, and is stored where that was.
void PictureCache::MoveShift(int delta, bool horizontal)
{
    const ViewLayout layout(QSize(m_client.width, m_client.height));
    const int extent = horizontal ? layout.AreaWidth() : layout.AreaHeight();
    if (extent <= 0)
        return;
    int& shift = horizontal ? m_shift.rx() : m_shift.ry();
    shift = ((shift - delta) % extent + extent) % extent;
}

namespace {

// A run [from, to) of window pixels along one axis, stored moved by shift.
struct Span {
    int from;
    int to;
    int shift;
};

void Append(std::vector<Span>& spans, Span span)
{
    if (!spans.empty() && spans.back().to == span.from && spans.back().shift == span.shift)
        spans.back().to = span.to;
    else
        spans.push_back(span);
}

// The runs of [from, to) along an axis whose first extent pixels are stored
// wrapped around from shift; the pixels after them are not moved.
std::vector<Span> SpansAlong(int from, int to, int extent, int shift)
{
    std::vector<Span> spans;
    const int end = std::min(to, extent);
    for (int at = from; at < end;) {
        const int stored = (at + shift) % extent;
        const int length = std::min(end - at, extent - stored);
        Append(spans, {at, at + length, stored - at});
        at += length;
    }
    if (to > std::max(from, extent))
        Append(spans, {std::max(from, extent), to, 0});
    return spans;
}

}  // namespace

std::vector<PictureCache::Piece> PictureCache::Pieces(const QRect& window) const
{
    const ViewLayout layout(QSize(m_client.width, m_client.height));
    std::vector<Piece> pieces;
    const QRect clipped = window & QRect(0, 0, m_client.width, m_client.height);
    if (clipped.isEmpty())
        return pieces;
    for (const Span& across : SpansAlong(clipped.left(), clipped.right() + 1, layout.AreaWidth(), m_shift.x())) {
        for (const Span& down : SpansAlong(clipped.top(), clipped.bottom() + 1, layout.AreaHeight(), m_shift.y()))
            pieces.push_back({QRect(QPoint(across.from, down.from), QPoint(across.to - 1, down.to - 1)),
                              QPoint(across.shift, down.shift)});
    }
    return pieces;
}

void PictureCache::Draw(const QRect& window, const std::function<void(QPainter&, const QRect&)>& draw)
{
    for (const Piece& piece : Pieces(window)) {
        QPainter painter(&m_image);
        painter.translate(piece.shift);
        draw(painter, piece.window);
    }
}

void PictureCache::CopyTo(QPainter& target, const QRect& window) const
{
    for (const Piece& piece : Pieces(window))
        target.drawImage(piece.window, m_image, ImageRect(piece.window.translated(piece.shift)));
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
    m_shift = {};
}
