#pragma once

#include <string>

class CExpression;

// The reading of a compiled expression: the formula as the engine read it,
// written back in its own language so that ordinary precedence gives the
// same value. Ordinary precedence: '^' before '*' and '/', those before '+'
// and '-'; '*' and '/' from the left, '^' from the right; a leading sign
// applies to its whole term.
//
// The reading writes every implicit multiplication as '*', brackets each
// power chain of two or more '^' from the left ("(2^3)^2"), leaves out
// operators the engine dropped, writes names in lower case, calls by the
// function's first name, absolute values as |...|, numbers by the value the
// engine read (".5" is 5, "2e5" is 200000), an empty group or term as 0 and
// an empty formula as 0.
namespace ExprReading {

// expression: compiled and not simplified. The caller holds the computation
// lock, with the argument variable it was compiled for still current.
std::string Read(const CExpression& expression);

}  // namespace ExprReading
