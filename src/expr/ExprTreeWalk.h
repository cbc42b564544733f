#pragma once

#include "expr/EvalContext.h"

class CExpression;

// The value of a compiled expression computed the plain way: a walk over
// its terms and their factors, by the rules of the term walk, with nothing
// lowered or specialised. It is the reference that the compiled program
// must match bit for bit, errors included; slow, and allocating.
namespace ExprTreeWalk {

double Value(const CExpression& expression, const EvalContext& context);

}  // namespace ExprTreeWalk
