#pragma once

#include <span>

// curvix-cli tangent --kind K --at V [--pi] [--precision N] EXPR [EXPR2]
int RunTangentCommand(std::span<char* const> args);
