#pragma once

#include "ComputationSink.h"
#include "ManualResetEvent.h"

#include <functional>
#include <mutex>
#include <optional>
#include <vector>

// Records what the graph worker reports. onProgress, when set, runs on the
// worker thread at each report (to cancel at a chosen point).
class RecordingSink : public ComputationSink {
public:
    struct Progress {
        int percent;
        int displayedCount;
        int slot;
    };

    void GraphProgress(int percent, int displayedCount, int slot) override
    {
        {
            std::lock_guard lock(mutex);
            progress.push_back({percent, displayedCount, slot});
        }
        if (onProgress)
            onProgress(percent, slot);
    }

    void GraphDone(bool ok, std::optional<CExprException> error) override
    {
        std::lock_guard lock(mutex);
        done.push_back(ok);
        if (error)
            errors.push_back(*error);
    }

    // The slots that reported progress, each once, in order.
    std::vector<int> SampledSlots() const
    {
        std::vector<int> slots;
        for (const Progress& report : progress) {
            if (slots.empty() || slots.back() != report.slot)
                slots.push_back(report.slot);
        }
        return slots;
    }

    std::function<void(int percent, int slot)> onProgress;
    std::mutex mutex;
    std::vector<Progress> progress;
    std::vector<bool> done;
    std::vector<CExprException> errors;
};
