#pragma once

#include <string>

// How a label value is rounded before it is written.
enum class LabelRounding {
    FiveDecimals,  // horizontal labels
    None,          // vertical labels
};

// The text of a tick label: "%g" of the value (rounded to 5 decimals for
// horizontal labels); when that is longer than 10 characters, "%10g" of the
// unrounded value. Zero is always written "0", never "-0". On an axis in
// units of pi the value counts multiples of pi and the painter adds the pi
// sign after this text.
std::string TickLabelText(double value, LabelRounding rounding);
