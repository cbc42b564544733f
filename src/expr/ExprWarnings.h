#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A spot of a formula that the engine reads differently from what its
// writer probably meant: where it is, as a byte offset into the typed text,
// and a sentence that names the spot and says what to write instead.
struct ExprWarning {
    size_t position;
    std::string text;
};

// The surprising spots of a typed formula, in text order: a sign right after
// '*', '/' or '^'; a number with a signed exponent ("1.5e-3"); an operator
// with nothing before or after it, or two in a row; white space between two
// names; a comma that separates no arguments; a number that starts with a
// point; empty brackets or bars; a power chain of two or more '^'; a
// character the engine skips; text beyond the 255 characters the engine
// reads. Found in the text alone, so that a formula that does not compile
// gets them too. The caller holds the computation lock (function names are
// looked up).
std::vector<ExprWarning> FindExprWarnings(std::string_view typed);
