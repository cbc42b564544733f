#pragma once

// Values the expression engine shares with its callers. Their exact bit
// patterns matter: results are compared with them for exact equality.

// The logical false of the comparison and logic functions. In a product it
// acts as an exact zero that swallows its whole term; it never leaves a term.
inline constexpr double EXPR_FALSE = 1.48912567e-06;

// Second argument of a call written with one argument; every built-in
// function checks its arity against it.
inline constexpr double EXPR_NO_ARG = 992017802345.8912;

inline constexpr double EXPR_PI = 3.141592653589793;
inline constexpr double EXPR_HALF_PI = 1.5707963267948966;
// The engine's e is the ten-digit decimal value, not the full constant.
inline constexpr double EXPR_E = 2.718281828;

// Expression text and error arguments hold at most this many characters.
inline constexpr unsigned MAX_EXPR_TEXT = 255;
