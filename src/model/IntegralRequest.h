#pragma once

#include <cstdint>
#include <string>

class IntegralSink;
class ManualResetEvent;

// One definite-integral run: the function, its argument letter, the bounds
// (already multiplied by pi when asked) and where the results go. The
// worker gets its own copy; sink and the result slots must outlive it.
struct IntegralRequest {
    std::string expression;
    char argument = 'x';
    std::int32_t samplesPerUnit = 100;  // 100, 200, ... 3200
    double from = 0;
    double to = 1;
    IntegralSink* sink = nullptr;
    double* integral = nullptr;  // written on success only
    double* area = nullptr;
    const ManualResetEvent* stop = nullptr;  // set by the document
};
