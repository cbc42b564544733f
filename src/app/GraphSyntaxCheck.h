#pragma once

#include "model/GraphKind.h"

#include <string>

class QWidget;

// Which equation of a graph a syntax check refused.
enum class SyntaxVerdict { Good, FirstRefused, SecondRefused };

// Compiles, simplifies and evaluates a graph's equation(s) for the kind's
// argument, as a syntax check. Never waits for the computation lock: while a
// computation holds it, says so and refuses the first equation. An engine
// error is shown with its message.
SyntaxVerdict CheckGraphSyntax(QWidget* owner, GraphKind kind, const std::string& expression,
                               const std::string& expression2);
