#include "tools/DipScanner.h"

void DipScanner::Record(double x, double value)
{
    const double higher = haveBefore && valueBefore > value ? valueBefore : value;
    found = Dip{haveBefore ? before : runFirst, x, runFirst, runValue, higher - runValue};
}

bool DipScanner::Break()
{
    const bool dip = edges && haveRun && haveBefore && runLength <= 2 && valueBefore > runValue;
    if (dip)
        found = Dip{before, runLast, runLast, runValue, valueBefore - runValue};
    haveRun = false;
    atEdge = true;
    return dip;
}
