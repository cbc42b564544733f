#include "view/geometry/TickLabelText.h"

#include "expr/RoundToDecimals.h"

#include <cstdio>

namespace {

constexpr std::size_t kLongestLabel = 10;

std::string Printed(const char* format, double value)
{
    char text[64];
    // Adding +0 turns a negative zero into a positive one.
    std::snprintf(text, sizeof text, format, value + 0.0);
    return text;
}

}  // namespace

std::string TickLabelText(double value, LabelRounding rounding)
{
    const double shown = rounding == LabelRounding::FiveDecimals ? RoundToDecimals(value, 5) : value;
    std::string text = Printed("%g", shown);
    return text.size() > kLongestLabel ? Printed("%10g", value) : text;
}
