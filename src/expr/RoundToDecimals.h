#pragma once

// Rounds v to n decimals; an exact half goes toward zero
// (RoundToDecimals(2.5, 0) == 2, RoundToDecimals(-2.5, 0) == -2).
double RoundToDecimals(double v, int n);
// The same rounding in place.
void RoundToDecimals(double* v, int n);
