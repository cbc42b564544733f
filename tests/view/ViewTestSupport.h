#pragma once

// A document on default settings whose computation runs the graph worker,
// and a sink that records what the worker reports.

#include "AppSettings.h"
#include "CCurvixDoc.h"
#include "ComputationSink.h"
#include "ComputeGraphsThread.h"
#include "InitExpressionEngine.h"
#include "MemorySettingsBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Read once the worker has been joined. onProgress, when set, runs on the
// worker thread at each report.
class RecordingSink : public ComputationSink {
public:
    void GraphProgress(int percent, int, int slot) override
    {
        if (sampled.empty() || sampled.back() != slot)
            sampled.push_back(slot);
        if (onProgress)
            onProgress(percent, slot);
    }
    void GraphDone(bool ok, std::optional<ComputationFailure> failure) override
    {
        done.push_back(ok);
        if (failure)
            failures.push_back(*failure);
    }

    std::function<void(int percent, int slot)> onProgress;
    std::vector<int> sampled;  // the slots that reported progress, each once, in order
    std::vector<bool> done;
    std::vector<ComputationFailure> failures;
};

class ComputationFixture : public testing::Test {
protected:
    ComputationFixture()
    {
        [[maybe_unused]] static const bool started = (InitExpressionEngine(), true);
        doc.SetGraphWorker(ComputeGraphsThread);
    }

    // Over the graph's own range when one with a precision is given.
    GraphItem* Add(const std::string& expression, GraphKind kind = KindYofX, ArgRange range = {},
                   const std::string& expression2 = {})
    {
        GraphItem item;
        item.expression = expression;
        item.expression2 = expression2;
        item.kind = kind;
        item.useAdvanced = range.precision != 0;
        if (item.useAdvanced)
            item.advRange = range;
        return doc.AddGraph(item);
    }

    // What the view's Refresh does, then waits for the worker. False when
    // nothing could start.
    bool Refresh(RecordingSink& to)
    {
        return doc.CollectDisplayedGraphs() && doc.StartComputation(to)
               && doc.WaitForComputation(WorkerThread::kInfinite, {});
    }

    const GraphPoints& Slot(int i) const { return doc.GetGraphPoints(i); }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CCurvixDoc doc{settings};
    RecordingSink sink;
};
