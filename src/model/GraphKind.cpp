#include "model/GraphKind.h"

#include "IdConversions.h"

bool IsKnownGraphKind(int kind)
{
    return kind >= KindYofX && kind <= KindPolar;
}

const char* GraphKindArgument(GraphKind kind)
{
    static constexpr const char* kArguments[] = {"x", "y", "t", "t"};
    return kArguments[kind];
}

StringId GraphKindLabelId(GraphKind kind)
{
    // The labels are numbered y, x, r, parametric: not in the order of the kinds.
    static constexpr StringId kLabels[] = {StringId::FunctionOfXKind, StringId::FunctionOfYKind,
                                           StringId::ParametricKind, StringId::PolarKind};
    return kLabels[kind];
}

// The equations and argument labels run in the order of the kinds.
StringId GraphKindEquationId(GraphKind kind)
{
    return StringAfter(StringId::YEquation, static_cast<unsigned>(kind));
}

StringId GraphKindArgumentLabelId(GraphKind kind)
{
    return StringAfter(StringId::FirstArgumentLabel, static_cast<unsigned>(kind));
}
