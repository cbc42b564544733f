#include "view/SampleBudget.h"

#include "model/ScaledPoint.h"

bool SampleBudget::Take(double graphSamples, bool newBuffer)
{
    m_samples += graphSamples;
    if (newBuffer)
        m_bytes += graphSamples * sizeof(ScaledPoint);
    // Written so that a NaN count fails as well.
    return m_samples <= kMostSamples && m_bytes <= m_availableBytes;
}
