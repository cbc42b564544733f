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
        // A rectangle on the lower side plus the triangle above it.
        const double piece = aPrev >= a ? aPrev * w - (aPrev - a) * w * 0.5 : aPrev * w + (a - aPrev) * w * 0.5;
        area += piece;
        // A step whose samples lie strictly on both sides of the axis adds
        // nothing to the integral. Otherwise the left sample gives the sign;
        // one exactly on the axis leaves it to the right sample, so that the
        // first step of -x from 0 counts as negative.
        if ((y > 0 && yPrev < 0) || (y < 0 && yPrev > 0))
            return;
        const double side = yPrev == 0 ? y : yPrev;
        integral += side < 0 ? -piece : piece;
    }

    double Integral() const { return integral; }
    double Area() const { return area; }

private:
    double integral = 0;
    double area = 0;
};
