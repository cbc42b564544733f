#pragma once

#include "Ids.h"

#include <cstdint>

// How a graph's expression is read. The values are stored in document files
// and index the per-kind tables below.
enum GraphKind : std::int16_t {
    KindYofX = 0,        // y = f(x)
    KindXofY = 1,        // x = f(y)
    KindParametric = 2,  // { x = f(t) & y = g(t) }
    KindPolar = 3,       // r = f(t)
};

// True for the four kinds above.
bool IsKnownGraphKind(int kind);

// The argument variable of a known kind: "x", "y" or "t".
const char* GraphKindArgument(GraphKind kind);

// String ids of a known kind: its label ("y = f ( x )"), its equation prefix
// ("y = %s") and its argument label ("x = ").
StringId GraphKindLabelId(GraphKind kind);
StringId GraphKindEquationId(GraphKind kind);
StringId GraphKindArgumentLabelId(GraphKind kind);
