#include "DipScanner.h"

std::optional<Dip> DipScanner::Add(double x, double value)
{
    if (haveRun && value == runValue) {
        ++runLength;
        runLast = x;
        return std::nullopt;
    }
    std::optional<Dip> dip;
    if (haveRun && value > runValue && RunIsDip())
        dip = Dip{haveBefore ? before : runFirst, x, runFirst, runValue,
                  (haveBefore && valueBefore > value ? valueBefore : value) - runValue};
    haveBefore = haveRun;
    before = runLast;
    valueBefore = runValue;
    haveRun = true;
    runFirst = runLast = x;
    runValue = value;
    runLength = 1;
    return dip;
}

std::optional<Dip> DipScanner::Break()
{
    std::optional<Dip> dip;
    if (edges && haveRun && haveBefore && runLength <= 2 && valueBefore > runValue)
        dip = Dip{before, runLast, runLast, runValue, valueBefore - runValue};
    haveRun = false;
    atEdge = true;
    return dip;
}

// The open run followed by a higher sample: a dip when it is short and the
// sample before it is higher too, or when it starts a stretch and edges count.
bool DipScanner::RunIsDip() const
{
    if (runLength > 2)
        return false;
    return haveBefore ? valueBefore > runValue : edges && atEdge;
}
