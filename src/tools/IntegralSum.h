#pragma once

// The running sums of a definite integral: each step between two samples
// adds its trapezoid of absolute values to the area and, with the sign of
// the curve on that step, to the integral.
class IntegralSum {
public:
    // Adds the step of width w from the sample yPrev to the sample y.
    void AddStep(double yPrev, double y, double w);

    double Integral() const { return integral; }
    double Area() const { return area; }

private:
    double integral = 0;
    double area = 0;
};
