#include "tools/IntegralPercent.h"

#include "tools/IntegralSink.h"

namespace {

// How far below the next whole percent the exact test starts, as a share
// of the range: far more than the rounding of the running argument.
constexpr double kSlack = 1e-9;

}  // namespace

IntegralPercent::IntegralPercent(double start, double to, IntegralSink& reports)
    : m_from(start), m_span(to - start), m_sink(reports)
{
    PlanNextCheck();
}

void IntegralPercent::Check(double x)
{
    const int percent = static_cast<int>((x - m_from) / m_span * 100);
    if (percent == m_last)
        return;
    m_last = percent;
    m_sink.IntegralProgress(percent);
    PlanNextCheck();
}

void IntegralPercent::PlanNextCheck()
{
    m_nextCheck = m_from + (m_last + 1) * m_span / 100 - m_span * kSlack;
}
