#pragma once

#include <span>

// curvix-cli explain [--arg x|y|t] EXPR: how the engine reads EXPR. Prints
// "reads as: READING" and one "warning: TEXT" line per surprising spot;
// when EXPR does not compile, the warnings and the error as eval prints it.
int RunExplainCommand(std::span<char* const> args);
