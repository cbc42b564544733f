#include "tools/IntegralPercent.h"

#include "tools/IntegralSink.h"

namespace {

// How far below the next whole percent the exact test starts, as a share
// of the range: far more than the rounding of the running argument.
constexpr double kSlack = 1e-9;

}  // namespace

IntegralPercent::IntegralPercent(double start, double to, IntegralSink& reports)
    : from(start), span(to - start), sink(reports)
{
    PlanNextCheck();
}

void IntegralPercent::Check(double x)
{
    const int percent = static_cast<int>((x - from) / span * 100);
    if (percent == last)
        return;
    last = percent;
    sink.IntegralProgress(percent);
    PlanNextCheck();
}

void IntegralPercent::PlanNextCheck()
{
    nextCheck = from + (last + 1) * span / 100 - span * kSlack;
}
