#pragma once

// What one evaluation of a compiled expression reads besides the expression
// itself: the argument's value. Each thread that evaluates has its own
// context, so that threads may evaluate one expression at the same time.
struct EvalContext {
    double argument = 0.0;
    // Reading the argument fails with 1019, as for a variable made
    // unavailable after compiling.
    bool argumentUnavailable = false;
};
