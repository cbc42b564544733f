#pragma once

#include <span>

// curvix-cli eval [--arg x|y|t] EXPR [VALUE...]
int RunEvalCommand(std::span<char* const> args);
