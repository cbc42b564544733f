#include "RangeValidation.h"

#include "CoordSystem.h"
#include "PrecisionList.h"

#include <cmath>
#include <cstdlib>

namespace RangeValidation {

unsigned CheckPrecisionSelected(int precisionIndex)
{
    return precisionIndex < 0 ? kNoPrecisionMessage : 0;
}

unsigned CheckRangeTexts(const char* fromText, const char* toText)
{
    if (*fromText == '\0' || *toText == '\0')
        return kWrongRangeMessage;
    return ReadNumber(fromText) < ReadNumber(toText) ? 0 : kWrongRangeMessage;
}

unsigned CheckRangeSize(double from, double to, std::int32_t precision, Limit limit)
{
    const double bound = limit == Limit::CoordinateEdges ? 2147483647.0 : 100000.0;
    const double a = precision * from * 4;
    const double b = precision * to * 4;
    // Written so that NaN and infinite values fail as well.
    const bool fits = std::fabs(b - a) <= bound && std::fabs(b) <= bound && std::fabs(a) <= bound;
    return fits ? 0 : kTooLargeMessage;
}

unsigned CheckCoordSystemSize(const CoordSystem& cs)
{
    if (unsigned id = CheckRangeSize(cs.left, cs.right, cs.precision, Limit::CoordinateEdges))
        return id;
    const ArgRange& param = cs.paramRange;
    if (unsigned id = CheckRangeSize(param.from, param.to, param.precision, Limit::ArgumentRange))
        return id;
    const ArgRange& polar = cs.polarRange;
    return CheckRangeSize(polar.from, polar.to, polar.precision, Limit::ArgumentRange);
}

unsigned CheckRange(int precisionIndex, const char* fromText, const char* toText, Limit limit)
{
    if (unsigned id = CheckPrecisionSelected(precisionIndex))
        return id;
    if (unsigned id = CheckRangeTexts(fromText, toText))
        return id;
    return CheckRangeSize(ReadNumber(fromText), ReadNumber(toText),
                          PrecisionFromIndex(precisionIndex), limit);
}

unsigned CheckVerticalEdges(const char* topText, const char* bottomText)
{
    if (*topText == '\0' || *bottomText == '\0')
        return kWrongVerticalMessage;
    return ReadNumber(bottomText) < ReadNumber(topText) ? 0 : kWrongVerticalMessage;
}

namespace {

// A stored range as the pages would have read it back from its texts.
unsigned CheckStoredRange(double from, double to, std::int32_t precision, Limit limit)
{
    if (unsigned id = CheckPrecisionSelected(IndexFromPrecision(precision)))
        return id;
    if (!(from < to))
        return kWrongRangeMessage;
    return CheckRangeSize(from, to, precision, limit);
}

}  // namespace

unsigned CheckStoredCoordSystem(const CoordSystem& cs)
{
    if (unsigned id = CheckStoredRange(cs.left, cs.right, cs.precision, Limit::CoordinateEdges))
        return id;
    if (!(cs.bottom < cs.top))
        return kWrongVerticalMessage;
    for (const ArgRange* range : {&cs.polarRange, &cs.paramRange}) {
        if (unsigned id = CheckStoredRange(range->from, range->to, range->precision, Limit::ArgumentRange))
            return id;
    }
    return 0;
}

double ReadNumber(const char* text)
{
    return std::strtod(text, nullptr);
}

}  // namespace RangeValidation
