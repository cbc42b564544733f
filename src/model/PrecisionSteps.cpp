#include "model/PrecisionSteps.h"

std::int32_t PrecisionFromIndex(int index)
{
    return 100 << index;
}

int IndexFromPrecision(std::int32_t precision)
{
    for (int index = 0; index < kPrecisionCount; ++index) {
        if (PrecisionFromIndex(index) == precision)
            return index;
    }
    return -1;
}
