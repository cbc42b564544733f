#include "view/geometry/CurvePass.h"

#include "view/geometry/CurveSink.h"
#include "view/geometry/CurveSummary.h"
#include "model/GraphPoints.h"
#include "expr/RoundToDecimals.h"
#include "view/geometry/ViewMapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr std::int64_t kNoMovementRule = std::numeric_limits<std::int32_t>::max();

// The 16-bit drawing range: markers land far outside the picture on the
// side they stand for.
std::int32_t DrawingCoordinate(double value)
{
    const double rounded = RoundToDecimals(value, 0);
    if (rounded > 32767.0)
        return 32766;
    if (rounded < -32768.0)
        return -32767;
    return static_cast<std::int32_t>(rounded);
}

std::int64_t Distance(std::int32_t a, std::int32_t b)
{
    return std::llabs(std::int64_t{a} - b);
}

bool Straddles(std::int32_t a, std::int32_t b, std::int32_t limit)
{
    return (a < 0 && b > limit) || (b < 0 && a > limit);
}

bool IsUndefined(const ScaledPoint& point)
{
    return point.x == POINT_UNDEFINED || point.y == POINT_UNDEFINED;
}

}  // namespace

CurveSamples CurveSamples::Of(const GraphPoints& slot)
{
    const std::size_t count = slot.HasPoints() ? static_cast<std::size_t>(std::max(slot.count, 0)) : 0;
    return {{slot.points.get(), count}, slot.source.kind, slot.source.range.precision, slot.source.range.from};
}

CurvePass::CurvePass(const ViewMapping& view, const PixelRect& paint, const CurveSamples& samples)
    : m_samples(samples),
      m_count(static_cast<std::int64_t>(samples.points.size())),
      m_zoomX(view.ZoomX()),
      m_zoomY(view.ZoomY()),
      m_width(view.DrawingSize().width),
      m_height(view.DrawingSize().height)
{
    if (view.IsEmpty() || samples.precision <= 0 || m_width < 1 || m_height < 1)
        return;
    const PixelPoint origin = view.GetOrigin();
    const PixelPoint scroll = view.ScrollPosition();
    const double precision = samples.precision;
    m_scaleX = m_zoomX / precision * 0.25;
    m_scaleY = m_zoomY / precision * 0.25;
    m_shiftX = static_cast<double>(origin.x - scroll.x);
    m_shiftY = static_cast<double>(origin.y - scroll.y);
    SetUnitsPerPixel();
    SetVisibleWindow(view);
    SetIndexRange(view, paint);
}

void CurvePass::SetUnitsPerPixel()
{
    const std::int64_t precision = m_samples.precision;
    const std::int64_t zoom = m_samples.kind == KindYofX ? m_zoomX
        : m_samples.kind == KindXofY                     ? m_zoomY
                                                         : std::max(m_zoomX, m_zoomY);
    m_perPixel = precision > zoom ? precision / zoom : 0;
    const bool explicitKind = m_samples.kind == KindYofX || m_samples.kind == KindXofY;
    m_unitsX = explicitKind ? kNoMovementRule : 4 * precision / m_zoomX;
    m_unitsY = explicitKind ? kNoMovementRule : 4 * precision / m_zoomY;
}

void CurvePass::SetVisibleWindow(const ViewMapping& view)
{
    const double units = 4.0 * m_samples.precision;
    const auto stored = [units](double pixels, std::int32_t zoom) { return units * pixels / zoom; };
    const double left = -m_shiftX;  // scrollX - Ox
    const double top = m_shiftY;    // Oy - scrollY
    m_xLo = ClampedPixel(std::floor(stored(left - 1, m_zoomX)));
    m_xHi = ClampedPixel(std::ceil(stored(left + m_width + 1, m_zoomX)));
    m_yLo = ClampedPixel(std::floor(stored(top - m_height - 1, m_zoomY)));
    m_yHi = ClampedPixel(std::ceil(stored(top + 1, m_zoomY)));
    m_visibleW = ClampedPixel(std::ceil(stored(left + m_width, m_zoomX)))
        - ClampedPixel(std::floor(stored(left, m_zoomX)));
    m_visibleH = ClampedPixel(std::ceil(stored(top, m_zoomY)))
        - ClampedPixel(std::floor(stored(top - m_height, m_zoomY)));
    const auto rounded = [](double pixels) { return ClampedPixel(RoundToDecimals(pixels, 0)); };
    m_pictureW = rounded(m_zoomX * view.Right()) - rounded(m_zoomX * view.Left());
    m_jumpX = Band::Around(m_visibleW);
    m_jumpY = Band::Around(m_visibleH);
    m_windowX = Band::Between(m_xLo, m_xHi);
    m_windowY = Band::Between(m_yLo, m_yHi);
    m_pictureH = rounded(m_zoomY * view.Top()) - rounded(m_zoomY * view.Bottom());
}

void CurvePass::SetIndexRange(const ViewMapping& view, const PixelRect& paint)
{
    std::int64_t first = 0;
    std::int64_t last = m_count - 1;
    if (m_samples.kind == KindYofX) {
        first = IndexAtColumn(view, std::max(paint.left - 2, -1));
        last = IndexAtColumn(view, std::min(paint.right + 2, m_width + 1));
    } else if (m_samples.kind == KindXofY) {
        first = IndexAtRow(view, std::min(paint.bottom + 2, m_height + 1));
        last = IndexAtRow(view, std::max(paint.top - 2, -1));
    }
    if (m_samples.kind == KindYofX || m_samples.kind == KindXofY) {
        first -= m_perPixel + 1;
        last += m_perPixel + 1;
    }
    m_first = std::max<std::int64_t>(first, 0);
    m_last = std::min(last, m_count - 1);
}

std::int64_t CurvePass::IndexAtColumn(const ViewMapping& view, std::int32_t column) const
{
    return IndexOfArgument((view.ScrollPosition().x + column - view.GetOrigin().x) / double(m_zoomX));
}

std::int64_t CurvePass::IndexAtRow(const ViewMapping& view, std::int32_t row) const
{
    return IndexOfArgument((view.GetOrigin().y - (view.ScrollPosition().y + row)) / double(m_zoomY));
}

std::int64_t CurvePass::IndexOfArgument(double argument) const
{
    const double precision = m_samples.precision;
    const double firstArgument = std::floor(precision * m_samples.from) / precision;
    return ClampedPixel(std::floor((argument - firstArgument) * precision));
}

void CurvePass::Run(CurveSink& sink) const
{
    Pen pen;
    std::int64_t phase = m_perPixel > 0 ? m_first % m_perPixel + 1 : 1;
    for (std::int64_t k = m_first; k <= m_last; ++k) {
        if (m_perPixel > 0 && phase != m_perPixel) {
            // Up to the next n-th sample, the ones left out only count.
            const std::int64_t stop = SkipLeftOut(k, std::min(k + m_perPixel - phase, m_last + 1), pen);
            phase += stop - k;
            k = stop;
            if (k > m_last)
                break;
        }
        if (IsUndefined(m_samples.points[k])) {
            pen.hasPrevious = false;
            pen.previousVisible = false;
            continue;
        }
        if (m_perPixel == 0 || KeptByPhase(k, pen, phase))
            Plot(k, pen, sink);
    }
}

// The first sample of [from, to) that is undefined or must be plotted, or
// to: the samples before it may all be left out. The same decision as
// MustPlot in one tight loop, as with many samples per pixel nearly every
// sample is left out.
std::int64_t CurvePass::SkipLeftOut(std::int64_t from, std::int64_t to, const Pen& pen) const
{
    if (!pen.hasPrevious || from == m_first)
        return from;
    const ScaledPoint* points = m_samples.points.data();
    const bool movementRule = m_unitsX != kNoMovementRule;
    const bool previousVisible = pen.previousVisible;
    // Both tests are made, without a branch between them.
    const auto jumpAfter = [this, points](std::int64_t k) {
        const bool jumpX = m_jumpX.Outside(std::int64_t{points[k].x} - points[k + 1].x);
        const bool jumpY = m_jumpY.Outside(std::int64_t{points[k].y} - points[k + 1].y);
        return jumpX | jumpY;
    };
    // Sample k must be plotted when this holds or when sample k - 1 jumps
    // to it (then k - 1 was found first, or k is from).
    const auto mustPlot = [&](std::int64_t k) {
        const ScaledPoint& point = points[k];
        const bool outsideX = m_windowX.Outside(point.x);
        const bool outsideY = m_windowY.Outside(point.y);
        const bool inside = !(outsideX | outsideY);
        return jumpAfter(k) | IsUndefined(point) | (inside != previousVisible)
            || (movementRule && Moved(k, pen.lastPlotted));
    };
    if (jumpAfter(from - 1))
        return from;
    // The last sample is always plotted.
    const std::int64_t end = std::min(to, m_count - 1);
    const bool blocks = m_samples.summary && !movementRule;
    constexpr std::int64_t kBlock = CurveSummary::kBlock;
    for (std::int64_t k = from; k < end;) {
        if (blocks && k % kBlock == 0 && k + kBlock <= end && BlockLeftOut(k / kBlock, previousVisible)) {
            k += kBlock;
            continue;
        }
        if (mustPlot(k))
            return k;
        ++k;
    }
    return end;
}

// The jump into the block's first sample was tested before the block.
bool CurvePass::BlockLeftOut(std::int64_t block, bool previousVisible) const
{
    const CurveSummary::Block& bounds = m_samples.summary->At(block);
    if (bounds.undefined || bounds.stepX > m_visibleW || bounds.stepY > m_visibleH)
        return false;
    if (previousVisible)
        return bounds.minX >= m_xLo && bounds.maxX <= m_xHi && bounds.minY >= m_yLo && bounds.maxY <= m_yHi;
    // Wholly beyond one edge of the window: no sample enters.
    return bounds.maxX < m_xLo || bounds.minX > m_xHi || bounds.maxY < m_yLo || bounds.minY > m_yHi;
}

// Every n-th sample, counted from absolute indices, is plotted whatever the
// other rules say; between those, only the samples that must be.
bool CurvePass::KeptByPhase(std::int64_t k, Pen& pen, std::int64_t& phase) const
{
    if (phase != m_perPixel) {
        ++phase;
        return MustPlot(k, pen);
    }
    phase = 1;
    // Plotted anyway; the decision only matters for where an entering
    // segment starts, which needs a previous point out of view.
    if (!pen.previousVisible)
        MustPlot(k, pen);
    return true;
}

bool CurvePass::MustPlot(std::int64_t k, Pen& pen) const
{
    if (k == m_first || k == m_count - 1 || !pen.hasPrevious || IsJump(k))
        return true;
    const bool inside = InWindow(m_samples.points[k]);
    if (pen.previousVisible && !inside)
        return true;  // the curve leaves the view
    if (!pen.previousVisible && inside) {
        // The curve enters: its entering segment starts at the sample before.
        pen.previous = PixelOf(m_samples.points[k - 1]);
        return true;
    }
    return Moved(k, pen.lastPlotted);
}

bool CurvePass::IsJump(std::int64_t k) const
{
    const ScaledPoint& before = m_samples.points[k - 1];
    const ScaledPoint& point = m_samples.points[k];
    const ScaledPoint& after = m_samples.points[k + 1];
    return Distance(before.x, point.x) > m_visibleW || Distance(point.x, after.x) > m_visibleW
        || Distance(before.y, point.y) > m_visibleH || Distance(point.y, after.y) > m_visibleH;
}

bool CurvePass::InWindow(const ScaledPoint& point) const
{
    return point.x >= m_xLo && point.x <= m_xHi && point.y >= m_yLo && point.y <= m_yHi;
}

bool CurvePass::Moved(std::int64_t k, std::int64_t from) const
{
    const ScaledPoint& point = m_samples.points[k];
    const ScaledPoint& last = m_samples.points[from];
    return Distance(point.x, last.x) >= m_unitsX || Distance(point.y, last.y) >= m_unitsY;
}

void CurvePass::Plot(std::int64_t k, Pen& pen, CurveSink& sink) const
{
    const Pixel pixel = PixelOf(m_samples.points[k]);
    const bool visible = IsVisible(pixel);
    if (!pen.hasPrevious) {
        if (visible) {
            sink.SetPixel(pixel.x, pixel.y);
            sink.MoveTo(pixel.x, pixel.y);
        }
    } else if (pen.previousVisible) {
        sink.LineTo(pixel.x, pixel.y);
    } else if (visible || CrossesPicture(k, pen.previous, pixel)) {
        sink.MoveTo(pen.previous.x, pen.previous.y);
        sink.LineTo(pixel.x, pixel.y);
    }
    pen = {true, visible, pixel, k};
}

// Two samples outside the picture are joined only when the segment between
// them runs across the whole picture and is no jump larger than it.
bool CurvePass::CrossesPicture(std::int64_t k, Pixel from, Pixel to) const
{
    const ScaledPoint& before = m_samples.points[k - 1];
    const ScaledPoint& point = m_samples.points[k];
    return (Distance(before.y, point.y) < m_pictureH && Straddles(from.y, to.y, m_height))
        || (Distance(before.x, point.x) < m_pictureW && Straddles(from.x, to.x, m_width));
}

CurvePass::Pixel CurvePass::PixelOf(const ScaledPoint& point) const
{
    return {DrawingCoordinate(point.x * m_scaleX + m_shiftX), DrawingCoordinate(m_shiftY - point.y * m_scaleY)};
}

bool CurvePass::IsVisible(Pixel pixel) const
{
    return pixel.x >= 0 && pixel.x <= m_width && pixel.y >= 0 && pixel.y <= m_height;
}
