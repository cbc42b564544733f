#pragma once

#include "tools/DipScanner.h"
#include "tools/FoundPoint.h"

#include <cstdint>
#include <functional>
#include <vector>

// What a search looks for.
enum class SearchGoal { Roots, Extrema };

// Finds the roots or the local extrema of a function of one argument on
// [from, to] from its samples at samplesPerUnit a unit, refining each one
// between the samples that show it:
// - a root where the sign changes between two defined samples, by Brent's
//   method to adjacent doubles, unless the values at the bracket's ends stay
//   apart as it shrinks (a pole or a jump); at a sample that is exactly 0
//   (a run of zeros gives its first and last sample); and where |f| has a
//   local minimum between samples of one sign that Brent's minimiser brings
//   to |f| <= 1e-12 (a touching root), the ends of the range and of
//   undefined stretches included;
// - an extremum where a sample, or two equal ones, lies strictly below (or
//   above) both neighbours, refined by Brent's minimiser, unless it runs into
//   the end of its bracket (a jump) or drops further than the samples rise
//   (a pole). Constant stretches have none.
// Samples that are not finite break brackets. Points closer than
// 1e-9 * max(1, |x|) are one.
class PointSearch {
public:
    using Function = std::function<double(double)>;
    // Told the share of the range done, 0 to 100, now and then; false stops.
    using Monitor = std::function<bool(int percent)>;

    PointSearch(Function function, double start, double stop, std::int32_t samplesPerUnit)
        : m_f(std::move(function)), m_from(start), m_to(stop), m_step(1.0 / samplesPerUnit)
    {
    }

    // Searches the range; false when the monitor stopped it.
    bool Run(SearchGoal goal, const Monitor& monitor);
    // What was found, in ascending order of x; y is f(x).
    std::vector<FoundPoint> Points() const;

private:
    void AddRootSample(double x, double value);
    void AddExtremumSample(double x, double value);
    void EndStretch(SearchGoal goal);
    void EndZeros();
    void RefineCrossing(double x1, double f1, double x2, double f2);
    void RefineTouching(const Dip& dip);
    void RefineExtremum(const Dip& dip, PointKind kind);

    const Function m_f;
    const double m_from;
    const double m_to;
    const double m_step;
    std::vector<FoundPoint> m_found;

    // The last sample, and whether it had a value.
    double m_lastX = 0;
    double m_lastValue = 0;
    bool m_lastDefined = false;
    // Exact zeros in a row so far, and the last of them.
    int m_zeros = 0;
    double m_lastZero = 0;
    DipScanner m_smallest{true};  // |f| for touching roots
    DipScanner m_lowest{false};   // f for minima
    DipScanner m_highest{false};  // -f for maxima
};
