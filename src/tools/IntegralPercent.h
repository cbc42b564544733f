#pragma once

class IntegralSink;

// Tells the sink the whole percent of the range done each time it changes.
// The percent itself is worked out only near the points where it can
// change, so that a step costs one comparison.
class IntegralPercent {
public:
    IntegralPercent(double from, double to, IntegralSink& sink);

    // The sample at x has been taken.
    void At(double x)
    {
        if (x >= m_nextCheck)
            Check(x);
    }

private:
    void Check(double x);
    void PlanNextCheck();

    const double m_from;
    const double m_span;
    IntegralSink& m_sink;
    int m_last = 0;
    double m_nextCheck = 0;
};
