#include "GraphKind.h"

bool IsKnownGraphKind(int kind)
{
    return kind >= KindYofX && kind <= KindPolar;
}

const char* GraphKindArgument(GraphKind kind)
{
    static constexpr const char* kArguments[] = {"x", "y", "t", "t"};
    return kArguments[kind];
}

unsigned GraphKindLabelId(GraphKind kind)
{
    // The labels are numbered y, x, r, parametric: not in the order of the kinds.
    static constexpr unsigned kLabels[] = {490, 491, 493, 492};
    return kLabels[kind];
}

unsigned GraphKindEquationId(GraphKind kind)
{
    return 494 + static_cast<unsigned>(kind);
}

unsigned GraphKindArgumentLabelId(GraphKind kind)
{
    return 3143 + static_cast<unsigned>(kind);
}
