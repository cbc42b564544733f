#include "tools/PointSearch.h"

#include "tools/BrentMinimum.h"
#include "tools/BrentRoot.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {

// Samples between two looks at the monitor.
constexpr std::int64_t kMonitorEvery = 1024;
// A touching root is a minimum of |f| at least this close to 0.
constexpr double kTouchingRoot = 1e-12;
// A bracket of adjacent doubles whose ends still differ by more than this
// share of the first difference holds a jump or a pole, not a root: the
// values of a continuous function close in as the bracket shrinks.
constexpr double kLargestJumpShare = 0.05;
// Places of minima: extrema to about the square root of the double's
// precision (the values around a smooth extremum are level beyond it);
// minima of |f| to a few doubles, as |f| falls to 0 there.
constexpr MinimumTolerance kExtremumTolerance{1.5e-8, 1e-12};
constexpr MinimumTolerance kTouchingTolerance{4 * DBL_EPSILON, DBL_MIN};
// Points closer than this times max(1, |x|) are one.
constexpr double kSamePoint = 1e-9;
constexpr double kNoValue = std::numeric_limits<double>::infinity();

// g with its undefined values made higher than any other.
PointSearch::Function Minimised(const PointSearch::Function& f, double (*g)(double))
{
    return [&f, g](double x) {
        const double value = g(f(x));
        // clang-tidy takes the infinite constant for one out of a double's range.
        return std::isfinite(value) ? value : kNoValue;  // NOLINT(bugprone-narrowing-conversions)
    };
}

double Same(double v) { return v; }
double Negated(double v) { return -v; }
double Magnitude(double v) { return std::fabs(v); }

}  // namespace

bool PointSearch::Run(SearchGoal goal, const Monitor& monitor)
{
    for (std::int64_t i = 0;; ++i) {
        double x = m_from + static_cast<double>(i) * m_step;
        const bool last = !(x < m_to);
        if (last)
            x = m_to;
        const double value = m_f(x);
        if (goal == SearchGoal::Roots)
            AddRootSample(x, value);
        else
            AddExtremumSample(x, value);
        if (last)
            break;
        if (i % kMonitorEvery == kMonitorEvery - 1 && monitor &&
            !monitor(static_cast<int>((x - m_from) / (m_to - m_from) * 100)))
            return false;
    }
    EndStretch(goal);
    if (monitor)
        monitor(100);  // the whole range is done; too late to stop
    return true;
}

std::vector<FoundPoint> PointSearch::Points() const
{
    std::vector<FoundPoint> sorted = m_found;
    std::stable_sort(sorted.begin(), sorted.end(), [](const FoundPoint& a, const FoundPoint& b) { return a.x < b.x; });
    std::vector<FoundPoint> points;
    for (const FoundPoint& point : sorted) {
        if (!points.empty() && points.back().kind == point.kind &&
            point.x - points.back().x <= kSamePoint * std::max(1.0, std::fabs(point.x)))
            continue;
        points.push_back(point);
    }
    return points;
}

void PointSearch::AddRootSample(double x, double value)
{
    const bool defined = std::isfinite(value);
    if (!defined || value != 0)
        EndZeros();
    if (!defined) {
        EndStretch(SearchGoal::Roots);
    } else if (value == 0) {
        if (m_zeros++ == 0)
            m_found.push_back({PointKind::Root, x, 0});
        m_lastZero = x;
        m_smallest.Cut();
    } else {
        if (m_lastDefined && (m_lastValue < 0) != (value < 0) && m_lastValue != 0) {
            RefineCrossing(m_lastX, m_lastValue, x, value);
            m_smallest.Cut();
        }
        if (m_smallest.Add(x, std::fabs(value)))
            RefineTouching(m_smallest.Found());
    }
    m_lastX = x;
    m_lastValue = value;
    m_lastDefined = defined;
}

void PointSearch::AddExtremumSample(double x, double value)
{
    if (!std::isfinite(value))
        return EndStretch(SearchGoal::Extrema);
    if (m_lowest.Add(x, value))
        RefineExtremum(m_lowest.Found(), PointKind::Minimum);
    if (m_highest.Add(x, -value))
        RefineExtremum(m_highest.Found(), PointKind::Maximum);
}

// An undefined sample or the end of the range.
void PointSearch::EndStretch(SearchGoal goal)
{
    if (goal == SearchGoal::Extrema) {
        m_lowest.Break();
        m_highest.Break();
        return;
    }
    EndZeros();
    if (m_smallest.Break())
        RefineTouching(m_smallest.Found());
}

void PointSearch::EndZeros()
{
    if (m_zeros >= 2)
        m_found.push_back({PointKind::Root, m_lastZero, 0});
    m_zeros = 0;
}

void PointSearch::RefineCrossing(double x1, double f1, double x2, double f2)
{
    const RootBracket bracket = BrentRoot(m_f, x1, f1, x2, f2);
    if (bracket.undefined)
        return;
    if (bracket.fx == 0 || std::fabs(bracket.fx - bracket.fOther) <= kLargestJumpShare * std::fabs(f2 - f1))
        m_found.push_back({PointKind::Root, bracket.x, bracket.fx});
}

void PointSearch::RefineTouching(const Dip& dip)
{
    const Minimum minimum = BrentMinimum(Minimised(m_f, Magnitude), dip.from, dip.to, dip.x, dip.value,
                                         kTouchingTolerance);
    if (minimum.value <= kTouchingRoot)
        m_found.push_back({PointKind::Root, minimum.x, m_f(minimum.x)});
}

void PointSearch::RefineExtremum(const Dip& dip, PointKind kind)
{
    const Minimum minimum = BrentMinimum(Minimised(m_f, kind == PointKind::Minimum ? Same : Negated), dip.from,
                                         dip.to, dip.x, dip.value, kExtremumTolerance);
    const double margin = 4 * (kExtremumTolerance.relative * std::fabs(minimum.x) + kExtremumTolerance.absolute);
    // Running into the end of the bracket is a jump; falling further below
    // the lowest sample than the samples rise around it is a pole.
    const bool turns = minimum.x - dip.from > margin && dip.to - minimum.x > margin &&
                       dip.value - minimum.value <= dip.rise;
    if (turns && minimum.x > m_from && minimum.x < m_to)
        m_found.push_back({kind, minimum.x, kind == PointKind::Minimum ? minimum.value : -minimum.value});
}
