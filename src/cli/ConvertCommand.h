#pragma once

#include <span>

// curvix-cli convert [--convert] FILE OUT
int RunConvertCommand(std::span<char* const> args);
