#include "tools/FormatLineEquation.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Printed(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string SlopePart(double slope)
{
    if (slope == 1)
        return "x";
    if (slope == -1)
        return "-x";
    if (slope == 0)
        return {};
    return Printed("%.10gx", slope);
}

}  // namespace

std::string FormatLineEquation(double slope, double intercept)
{
    if (slope == 0 && intercept == 0)
        return "0";
    std::string text = SlopePart(slope);
    if (intercept == 0)
        return text;
    if (text.empty())
        return Printed("%.10g", intercept);
    return text + (intercept > 0 ? " + " : " - ") + Printed("%.10g", std::fabs(intercept));
}
