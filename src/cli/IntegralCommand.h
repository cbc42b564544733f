#pragma once

#include <span>

// curvix-cli integral [--arg L] --from A --to B [--precision P] [--pi] EXPR
int RunIntegralCommand(std::span<char* const> args);
