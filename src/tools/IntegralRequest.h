#pragma once

#include <cstdint>
#include <string>

// One definite-integral run: the function, its argument letter and the
// bounds (already multiplied by pi when asked).
struct IntegralRequest {
    std::string expression;
    char argument = 'x';
    std::int32_t samplesPerUnit = 100;  // 100, 200, ... 3200
    double from = 0;
    double to = 1;
};
