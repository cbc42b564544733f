#include "model/RangeValidation.h"

#include "model/CoordSystem.h"
#include "model/PrecisionSteps.h"

#include <cmath>
#include <cstdlib>

namespace RangeValidation {

Refusal CheckPrecisionSelected(int precisionIndex)
{
    return precisionIndex < 0 ? Refusal(StringId::NoPrecision) : Refusal();
}

Refusal CheckRangeTexts(const char* fromText, const char* toText)
{
    if (*fromText == '\0' || *toText == '\0')
        return StringId::WrongRange;
    return ReadNumber(fromText) < ReadNumber(toText) ? Refusal() : StringId::WrongRange;
}

Refusal CheckRangeSize(double from, double to, std::int32_t precision, Limit limit)
{
    const double bound = limit == Limit::CoordinateEdges ? 2147483647.0 : 100000.0;
    const double a = precision * from * 4;
    const double b = precision * to * 4;
    // Written so that NaN and infinite values fail as well.
    const bool fits = std::fabs(b - a) <= bound && std::fabs(b) <= bound && std::fabs(a) <= bound;
    return fits ? Refusal() : StringId::CoordSystemTooLarge;
}

Refusal CheckCoordSystemSize(const CoordSystem& cs)
{
    if (Refusal id = CheckRangeSize(cs.left, cs.right, cs.precision, Limit::CoordinateEdges))
        return id;
    const ArgRange& param = cs.paramRange;
    if (Refusal id = CheckRangeSize(param.from, param.to, param.precision, Limit::ArgumentRange))
        return id;
    const ArgRange& polar = cs.polarRange;
    return CheckRangeSize(polar.from, polar.to, polar.precision, Limit::ArgumentRange);
}

Refusal CheckRange(int precisionIndex, const char* fromText, const char* toText, Limit limit)
{
    if (Refusal id = CheckPrecisionSelected(precisionIndex))
        return id;
    if (Refusal id = CheckRangeTexts(fromText, toText))
        return id;
    return CheckRangeSize(ReadNumber(fromText), ReadNumber(toText),
                          PrecisionFromIndex(precisionIndex), limit);
}

Refusal CheckVerticalEdges(const char* topText, const char* bottomText)
{
    if (*topText == '\0' || *bottomText == '\0')
        return StringId::WrongVerticalRange;
    return ReadNumber(bottomText) < ReadNumber(topText) ? Refusal() : StringId::WrongVerticalRange;
}

namespace {

// A stored range as the pages would have read it back from its texts.
Refusal CheckStoredRange(double from, double to, std::int32_t precision, Limit limit)
{
    if (Refusal id = CheckPrecisionSelected(IndexFromPrecision(precision)))
        return id;
    if (!(from < to))
        return StringId::WrongRange;
    return CheckRangeSize(from, to, precision, limit);
}

}  // namespace

Refusal CheckStoredCoordSystem(const CoordSystem& cs)
{
    if (Refusal id = CheckStoredRange(cs.left, cs.right, cs.precision, Limit::CoordinateEdges))
        return id;
    if (!(cs.bottom < cs.top))
        return StringId::WrongVerticalRange;
    for (const ArgRange* range : {&cs.polarRange, &cs.paramRange}) {
        if (Refusal id = CheckStoredRange(range->from, range->to, range->precision, Limit::ArgumentRange))
            return id;
    }
    return {};
}

double ReadNumber(const char* text)
{
    return std::strtod(text, nullptr);
}

}  // namespace RangeValidation
