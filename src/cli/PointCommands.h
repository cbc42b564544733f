#pragma once

#include <span>

// curvix-cli roots [--arg L] [--precision P] --from A --to B EXPR
int RunRootsCommand(std::span<char* const> args);
// curvix-cli extrema [--arg L] [--precision P] --from A --to B EXPR
int RunExtremaCommand(std::span<char* const> args);
// curvix-cli intersect [--arg L] [--precision P] --from A --to B EXPR1 EXPR2
int RunIntersectCommand(std::span<char* const> args);
