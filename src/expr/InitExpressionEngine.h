#pragma once

// Registers the built-in function groups and the variables pi, e, x, y and t.
// Called once at start-up before any expression is compiled; an error is
// handed to report (when given) and start-up goes on.
class CException;
void InitExpressionEngine(void (*report)(const CException&) = nullptr);
