#pragma once

#include "expr/CExprException.h"

#include <cstdint>
#include <optional>
#include <string>

class GraphComputation;
class GraphItem;

// One line through the point of a curve, slope and intercept rounded to 4
// decimals. A vertical line x = c keeps c in intercept and slope 0.
struct TangentLine {
    bool vertical = false;
    double slope = 0;
    double intercept = 0;
    std::string equation;  // the right-hand side, FormatLineEquation's text
};

struct TangentNormal {
    TangentLine tangent;
    TangentLine normal;
    std::optional<CExprException> error;  // the engine's error for result 2
};

// Results of ComputeTangentNormal.
enum TangentResult : int {
    TangentComputed = 0,
    TangentNoFunction = 1,  // the function does not exist at the point
    TangentError = 2,       // the engine refused (error set) or the kind is unknown
};

// The tangent and normal of the displayed graph in slot at the argument
// value, by central differences 0.00001 to each side. Takes the
// computation lock, waiting for it.
TangentResult ComputeTangentNormal(const GraphComputation& computation, int slot, double argument, TangentNormal& out);

// The same for one graph drawn at samplesPerUnit points a unit: values and
// slopes whose scaled size passes 2147483647 count as beyond the picture.
TangentResult ComputeTangentNormal(const GraphItem& graph, std::int32_t samplesPerUnit, double argument,
                                   TangentNormal& out);
