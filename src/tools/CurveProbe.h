#pragma once

#include "model/GraphItem.h"

#include <memory>

class CExpression;

// One point of a graph for an argument value: x and y in world units, or
// none where the function has no value (not a finite number, the engine's
// false value, or an engine error at that argument).
struct CurvePoint {
    double argument = 0;
    bool defined = false;
    double x = 0;
    double y = 0;
};

// Evaluates a graph of any kind at single arguments: y = f(x), x = f(y),
// the two functions of a parametric graph, or r = f(t) of a polar one at
// the angle t. The caller holds the computation lock for the probe's whole
// life; the constructor makes the graph's letter the current variable and
// compiles, throwing the engine's CExprException for a formula it refuses.
class CurveProbe {
public:
    explicit CurveProbe(const GraphItem& graph);
    ~CurveProbe();
    CurveProbe(const CurveProbe&) = delete;
    CurveProbe& operator=(const CurveProbe&) = delete;

    CurvePoint At(double argument);

private:
    double Value(CExpression& expression, double argument);

    const GraphKind m_kind;
    std::unique_ptr<CExpression> m_first;
    std::unique_ptr<CExpression> m_second;  // y = g(t) of a parametric graph
};
