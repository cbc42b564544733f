#include "view/SampleBudget.h"

#include "model/ScaledPoint.h"

bool SampleBudget::Take(double graphSamples, bool newBuffer)
{
    samples += graphSamples;
    if (newBuffer)
        bytes += graphSamples * sizeof(ScaledPoint);
    // Written so that a NaN count fails as well.
    return samples <= kMostSamples && bytes <= availableBytes;
}
