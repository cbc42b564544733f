#pragma once

#include <cmath>

// The running sums of a definite integral: each step between two samples
// adds its trapezoid of absolute values to the area and, with the sign of
// the curve on that step, to the integral.
class IntegralSum {
public:
    // Adds the step of width w from the sample yPrev to the sample y.
    // Inline: it runs once a sample.
    void AddStep(double yPrev, double y, double w)
    {
        const double aPrev = std::fabs(yPrev);
        const double a = std::fabs(y);
        // The left sample's rectangle plus the triangle up or down to the
        // right sample. Rounding is symmetric, so for a falling step this
        // is exactly aPrev * w - (aPrev - a) * w * 0.5.
        const double piece = aPrev * w + (a - aPrev) * w * 0.5;
        m_area += piece;
        // A step whose samples lie strictly on both sides of the axis adds
        // nothing to the integral. Otherwise the left sample gives the sign;
        // one exactly on the axis leaves it to the right sample, so that the
        // first step of -x from 0 counts as negative. Adding 0 for a step
        // across the axis changes nothing, as the integral is never -0, and
        // spares a branch on the data.
        const bool crosses = (y > 0 && yPrev < 0) || (y < 0 && yPrev > 0);
        const double side = yPrev == 0 ? y : yPrev;
        m_integral += crosses ? 0.0 : (side < 0 ? -piece : piece);
    }

    double Integral() const { return m_integral; }
    double Area() const { return m_area; }

private:
    double m_integral = 0;
    double m_area = 0;
};
