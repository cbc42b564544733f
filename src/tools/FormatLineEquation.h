#pragma once

#include <string>

// The right-hand side of a line's equation y = k x + b as the tangent tool
// shows it: "2x - 3", "-x + 0.5", "-4", "0". For a vertical line pass
// slope 0 and the constant as intercept. Both are expected rounded already.
std::string FormatLineEquation(double slope, double intercept);
