#pragma once

#include <span>

// curvix-cli info [--convert] FILE: the document as one JSON object.
int RunInfoCommand(std::span<char* const> args);
