#include "view/geometry/WheelSteps.h"

int WheelSteps::Add(int delta)
{
    if ((delta > 0 && m_pending < 0) || (delta < 0 && m_pending > 0))
        m_pending = 0;
    m_pending += delta;
    const int steps = m_pending / kNotch;
    m_pending -= steps * kNotch;
    return steps;
}
