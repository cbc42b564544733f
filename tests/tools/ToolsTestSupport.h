#pragma once

// The engine started once, and a sink that records the integral worker's
// reports (read after the worker has ended).

#include "InitExpressionEngine.h"
#include "IntegralSink.h"

#include <functional>
#include <optional>
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
    void IntegralDone(IntegralOutcome result, std::optional<CExprException> failure) override
    {
        outcome = result;
        error = std::move(failure);
        ++doneCount;
    }

    std::function<void(int)> onProgress;  // runs on the worker's thread
    std::vector<int> progress;
    IntegralOutcome outcome = IntegralFinished;
    std::optional<CExprException> error;
    int doneCount = 0;
};
