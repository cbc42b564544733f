#include "view/geometry/StrokeMask.h"

#include "view/geometry/WedgeBounds.h"

#include <algorithm>
#include <cmath>

namespace {

// A run is covered piece by piece, so that distances are measured from a
// nearby point in single precision. Pieces of runs on the grid start on
// whole steps, where offsets and distances are exact; any other run is one
// segment, cut wherever the clip lies. Either way a band gets exactly the
// values of the whole picture.
constexpr double kPieceLength = 32.0;

// How far a segment's pixels and a corner's pixels reach past the line that
// parts them, so that rounding leaves no pixel to neither. Either measures a
// true distance to the line there, so the overlap changes no value.
constexpr float kOverlap = 1.0f / 1024;

// Farther than any pixel of a clip from the point offsets are measured from.
constexpr float kFar = 1e7f;

// Whole numbers next to a value that lies well within the int range, without
// a library call each.
inline int Floor(float value)
{
    const int whole = static_cast<int>(value);
    return whole > value ? whole - 1 : whole;
}

inline int Ceiling(float value)
{
    const int whole = static_cast<int>(value);
    return whole < value ? whole + 1 : whole;
}

// The offsets v from a point with low <= v <= high.
struct Range {
    float low;
    float high;
};

Range Meet(Range a, Range b)
{
    return {std::max(a.low, b.low), std::min(a.high, b.high)};
}

// The offsets px along a row with low + slope * py <= k * px <= high +
// slope * py, py the row's offset: a range that moves linearly from row to
// row. A factor k of (nearly) zero sets no bound: the callers choose the
// rows where that holds, or cover more pixels than needed without harm.
class Strip {
public:
    Strip(float k, float low, float high, float slope)
    {
        if (std::abs(k) < kNoFactor)
            return;
        m_low = (k > 0.0f ? low : high) / k;
        m_high = (k > 0.0f ? high : low) / k;
        m_slope = slope / k;
    }

    Range At(float py) const { return {m_low + m_slope * py, m_high + m_slope * py}; }

private:
    static constexpr float kNoFactor = 1e-20f;

    float m_low = -kFar;
    float m_high = kFar;
    float m_slope = 0.0f;
};

// The offsets of pixel centres along one axis from a coordinate, in single
// precision: a whole number of pixels from a whole-numbered anchor plus the
// anchor's offset, so that a pixel gets the same value in any clip.
class Offsets {
public:
    explicit Offsets(double coordinate)
        : m_anchor(static_cast<int>(std::floor(coordinate))),
          m_fraction(static_cast<float>(m_anchor + 0.5 - coordinate))
    {
    }

    // The offset of the centre of column (or row) i.
    float At(int i) const { return static_cast<float>(i - m_anchor) + m_fraction; }

    // The first and last columns whose centres lie in the range.
    int First(const Range& range) const { return m_anchor + Ceiling(Limited(range.low) - m_fraction); }
    int Last(const Range& range) const { return m_anchor + Floor(Limited(range.high) - m_fraction); }

private:
    static float Limited(float value)
    {
        const float low = value < -kFar ? -kFar : value;
        return low > kFar ? kFar : low;
    }

    int m_anchor;
    float m_fraction;
};

}  // namespace

StrokeMask::StrokeMask(const PixelRect& clip, double halfWidth)
    : m_cells(clip),
      m_left(m_cells.Clip().left),
      m_top(m_cells.Clip().top),
      m_width(m_cells.Clip().right - m_left),
      m_height(m_cells.Clip().bottom - m_top),
      m_reach(std::max(halfWidth, 0.5) + 0.5)
{
}

void StrokeMask::AddSegment(double x0, double y0, double x1, double y1)
{
    const std::optional<StraightRun> run = StraightRun::Between({x0, y0}, {x1, y1});
    if (!run)
        return;
    if (run->IsDot()) {
        AddCorner(run->from, {}, {});
        return;
    }
    if (m_end && m_end->Extend(*run))
        return;
    Direction before;  // none where the line starts
    if (m_end && m_end->to.x == x0 && m_end->to.y == y0) {
        before = {-m_end->alongX, -m_end->alongY};
        AddStretch(*m_end);
    } else {
        EndLine();
    }
    AddCorner(run->from, {run->alongX, run->alongY}, before);
    m_end = run;
}

// The last run of the line being drawn, if any, and its round end.
void StrokeMask::EndLine()
{
    if (!m_end)
        return;
    AddStretch(*m_end);
    AddCorner(m_end->to, {-m_end->alongX, -m_end->alongY}, {});
    m_end.reset();
}

// The run piece by piece, each piece a whole number of steps where the steps
// are short.
void StrokeMask::AddStretch(const StraightRun& run)
{
    double enter = 0.0;
    double leave = 1.0;
    if (!ClipToReach(run.from.x, run.from.y, run.to.x, run.to.y, enter, leave))
        return;
    const double step = run.length / run.steps;
    const double perPiece = step <= kPieceLength ? std::floor(kPieceLength / step) : 1 / std::ceil(step / kPieceLength);
    const double pieces = std::ceil(run.steps / perPiece);
    const double last = std::min(pieces - 1, std::ceil(leave * pieces) - 1);
    for (double i = std::max(0.0, std::floor(enter * pieces)); i <= last; ++i) {
        const double start = i * perPiece;
        AddPiece({run.from.x + run.stepX * start, run.from.y + run.stepY * start},
                 std::min(perPiece, run.steps - start) * step, run);
    }
}

// The part [enter, leave] of the segment inside the clip widened by the reach
// of a line (Liang-Barsky): nothing beyond it can cover a pixel of the clip.
// False when no part is inside.
bool StrokeMask::ClipToReach(double x0, double y0, double x1, double y1, double& enter, double& leave) const
{
    const double margin = m_reach + 1.0;
    const auto near = [&](double x, double y) {
        return x >= m_left - margin && x <= m_left + m_width + margin && y >= m_top - margin
               && y <= m_top + m_height + margin;
    };
    if (near(x0, y0) && near(x1, y1))
        return true;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - (m_left - margin), (m_left + m_width + margin) - x0, y0 - (m_top - margin),
                         (m_top + m_height + margin) - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (!(q[i] >= 0.0))
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    return enter <= leave;
}

// The rows of the clip whose centres lie in [low, high]; false for none.
bool StrokeMask::RowsWithin(double low, double high, int& top, int& bottom) const
{
    const double first = std::max<double>(m_top, std::ceil(low - 0.5));
    const double last = std::min<double>(m_top + m_height - 1, std::floor(high - 0.5));
    if (!(first <= last))
        return false;
    top = static_cast<int>(first);
    bottom = static_cast<int>(last);
    return true;
}

// The pixels beside a piece of a segment, those whose nearest point of the
// segment's line lies on the piece: their distance is the one from the line,
// linear along a row.
void StrokeMask::AddPiece(Point from, double length, const StraightRun& run)
{
    const double ends[2] = {-kOverlap * run.alongY, (length + kOverlap) * run.alongY};
    const double side = m_reach * std::abs(run.alongX);
    const double low = from.y + std::min(ends[0], ends[1]) - side;
    const double high = from.y + std::max(ends[0], ends[1]) + side;
    int top = 0;
    int bottom = 0;
    if (!RowsWithin(low, high, top, bottom))
        return;
    const Offsets columns(from.x);
    const Offsets rows(from.y);
    const float lx = run.lineX;
    const float ly = run.lineY;
    const float scale = run.lineLength;
    const float inverse = 1.0f / scale;
    const auto reach = static_cast<float>(m_reach);
    // Along the piece, and within the reach of its line, in each row.
    const Strip lengthwise(lx, -kOverlap * scale, (static_cast<float>(length) + kOverlap) * scale, -ly);
    const Strip across(ly, -reach * scale, reach * scale, lx);
    for (int y = top; y <= bottom; ++y) {
        const float py = rows.At(y);
        const float offset = py * lx;
        const Range beside = Meet(lengthwise.At(py), across.At(py));
        m_cells.Raise(y, columns.First(beside), columns.Last(beside),
                      [&](int x) { return reach - std::abs(offset - columns.At(x) * ly) * inverse; });
    }
}

// The pixels round a corner of the line that lie behind both directions
// (those with a zero length set no bound): their nearest point of the line
// is the corner.
void StrokeMask::AddCorner(Point at, Direction behind, Direction alsoBehind)
{
    if (at.x + m_reach < m_left || at.x - m_reach > m_left + m_width || at.y + m_reach < m_top
        || at.y - m_reach > m_top + m_height)
        return;
    const WedgeBounds wedge = WedgeBounds::Of(m_reach, behind.x, behind.y, alsoBehind.x, alsoBehind.y, kOverlap);
    int top = 0;
    int bottom = 0;
    if (std::ceil(at.x + wedge.left - 0.5) > std::floor(at.x + wedge.right - 0.5)
        || !RowsWithin(at.y + wedge.top, at.y + wedge.bottom, top, bottom))
        return;
    const Offsets columns(at.x);
    const Offsets rows(at.y);
    const auto reach = static_cast<float>(m_reach);
    const Strip first(static_cast<float>(behind.x), -kFar, kOverlap, static_cast<float>(-behind.y));
    const Strip second(static_cast<float>(alsoBehind.x), -kFar, kOverlap, static_cast<float>(-alsoBehind.y));
    for (int y = top; y <= bottom; ++y) {
        const float py = rows.At(y);
        const float chord = reach * reach - py * py;
        if (chord <= 0.0f)
            continue;
        const float half = std::sqrt(chord);
        const Range inside = Meet(Meet({-half, half}, first.At(py)), second.At(py));
        m_cells.Raise(y, columns.First(inside), columns.Last(inside), [&](int x) {
            const float px = columns.At(x);
            return reach - std::sqrt(px * px + py * py);
        });
    }
}
