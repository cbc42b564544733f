#pragma once

#include "GraphKind.h"

#include <string>

class QWidget;

// Compiles, simplifies and evaluates a graph's equation(s) for the kind's
// argument, as a syntax check. Never waits for the computation lock: while a
// computation holds it, says so and refuses. An engine error is shown with
// its message. True when the equations are good.
bool CheckGraphSyntax(QWidget* owner, GraphKind kind, const std::string& expression,
                      const std::string& expression2);
