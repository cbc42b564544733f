#pragma once

#include "view/geometry/GeometryTypes.h"
#include "model/GraphKind.h"
#include "model/ScaledPoint.h"

#include <cstdint>
#include <span>

class CurveSink;
class CurveSummary;
class GraphPoints;
class ViewMapping;

// The computed samples of one displayed graph: coordinates in stored units
// of 1 / (4 * precision) world units.
struct CurveSamples {
    // The samples of a slot and its graph's kind and effective range.
    static CurveSamples Of(const GraphPoints& slot);

    std::span<const ScaledPoint> points;
    GraphKind kind = KindYofX;
    std::int32_t precision = 0;  // samples per world unit
    double from = 0.0;           // start of the argument range
    // Block bounds of the same points, when the caller keeps them; they
    // let the pass step over blocks that need no plotting.
    const CurveSummary* summary = nullptr;
};

// Turns one graph's samples into lines and pixels on the picture: breaks the
// line at undefined samples, does not join two samples across a jump larger
// than the view, and with several samples per pixel leaves out the samples
// that would not change the picture. Integer arithmetic on stored units
// throughout; only the final mapping to pixels uses doubles.
class CurvePass {
public:
    // view: zooms, origin, scroll position and drawing size of the picture;
    // paint: the region being painted, in drawing coordinates.
    CurvePass(const ViewMapping& view, const PixelRect& paint, const CurveSamples& samples);

    void Run(CurveSink& sink) const;

    // Samples per pixel along the graph's own axes (0: fewer than two).
    std::int64_t SamplesPerPixel() const { return m_perPixel; }
    // The samples that the painted region can show: [First(), Last()].
    std::int64_t First() const { return m_first; }
    std::int64_t Last() const { return m_last; }

private:
    struct Pixel {
        std::int32_t x = 0;
        std::int32_t y = 0;
    };
    // A closed range of stored values, tested with one subtraction and one
    // unsigned comparison.
    struct Band {
        static Band Around(std::int64_t reach) { return {-reach, static_cast<std::uint64_t>(reach) * 2}; }
        // high is not below low.
        static Band Between(std::int64_t low, std::int64_t high) { return {low, static_cast<std::uint64_t>(high - low)}; }
        bool Outside(std::int64_t value) const { return static_cast<std::uint64_t>(value - low) > span; }

        std::int64_t low = 0;
        std::uint64_t span = 0;
    };
    // The previous point of the line being drawn.
    struct Pen {
        bool hasPrevious = false;
        bool previousVisible = false;
        Pixel previous;
        std::int64_t lastPlotted = -1;
    };

    void SetUnitsPerPixel();
    void SetVisibleWindow(const ViewMapping& view);
    void SetIndexRange(const ViewMapping& view, const PixelRect& paint);
    std::int64_t IndexAtColumn(const ViewMapping& view, std::int32_t column) const;
    std::int64_t IndexAtRow(const ViewMapping& view, std::int32_t row) const;
    std::int64_t IndexOfArgument(double argument) const;

    std::int64_t SkipLeftOut(std::int64_t from, std::int64_t to, const Pen& pen) const;
    // Whether every sample of summary block b may be left out.
    bool BlockLeftOut(std::int64_t block, bool previousVisible) const;
    bool KeptByPhase(std::int64_t k, Pen& pen, std::int64_t& phase) const;
    bool MustPlot(std::int64_t k, Pen& pen) const;
    bool IsJump(std::int64_t k) const;
    bool InWindow(const ScaledPoint& point) const;
    bool Moved(std::int64_t k, std::int64_t from) const;
    void Plot(std::int64_t k, Pen& pen, CurveSink& sink) const;
    bool CrossesPicture(std::int64_t k, Pixel from, Pixel to) const;
    Pixel PixelOf(const ScaledPoint& point) const;
    bool IsVisible(Pixel pixel) const;

    CurveSamples m_samples;
    std::int64_t m_count = 0;
    std::int32_t m_zoomX = 0;
    std::int32_t m_zoomY = 0;
    std::int32_t m_width = 0;   // drawing size
    std::int32_t m_height = 0;
    double m_scaleX = 0.0;      // pixels per stored unit
    double m_scaleY = 0.0;
    double m_shiftX = 0.0;      // window position of the origin
    double m_shiftY = 0.0;
    std::int64_t m_perPixel = 0;
    std::int64_t m_unitsX = 0;  // stored units per pixel for the movement rule
    std::int64_t m_unitsY = 0;
    std::int64_t m_xLo = 0;     // visible window in stored units
    std::int64_t m_xHi = 0;
    std::int64_t m_yLo = 0;
    std::int64_t m_yHi = 0;
    std::int64_t m_visibleW = 0;
    std::int64_t m_visibleH = 0;
    std::int64_t m_pictureW = 0;
    std::int64_t m_pictureH = 0;
    Band m_jumpX;  // differences that are no jump
    Band m_jumpY;
    Band m_windowX;  // the visible window again, for the tight loop
    Band m_windowY;
    std::int64_t m_first = 0;
    std::int64_t m_last = -1;
};
