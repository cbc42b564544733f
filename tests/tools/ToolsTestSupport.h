#pragma once

// The engine started once, and a sink that records an integral run's
// reports (read after the run has ended).

#include "expr/InitExpressionEngine.h"
#include "tools/IntegralSink.h"

#include <functional>
#include <utility>
#include <vector>

inline void StartEngine()
{
    [[maybe_unused]] static const bool started = (InitExpressionEngine(), true);
}

class RecordingIntegralSink : public IntegralSink {
public:
    void IntegralProgress(int percent) override
    {
        progress.push_back(percent);
        if (onProgress)
            onProgress(percent);
    }
    void IntegralDone(IntegralResult end) override
    {
        result = std::move(end);
        ++doneCount;
    }

    std::function<void(int)> onProgress;  // runs on the worker's thread
    std::vector<int> progress;
    IntegralResult result;
    int doneCount = 0;
};
