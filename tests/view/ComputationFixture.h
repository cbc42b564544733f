#pragma once

#include "AppSettings.h"
#include "CCurvixDoc.h"
#include "ComputeGraphsThread.h"
#include "InitExpressionEngine.h"
#include "MemorySettingsBackend.h"
#include "RecordingSink.h"

#include <gtest/gtest.h>

#include <string>

// A document on default settings whose computation runs the graph worker.
class ComputationFixture : public testing::Test {
protected:
    ComputationFixture()
    {
        static const bool started = (InitExpressionEngine(), true);
        (void)started;
        doc.SetGraphWorker(ComputeGraphsThread);
    }

    GraphItem* Add(const std::string& expression, GraphKind kind = KindYofX,
                   const std::string& expression2 = {})
    {
        GraphItem item;
        item.expression = expression;
        item.expression2 = expression2;
        item.kind = kind;
        return doc.AddGraph(item);
    }

    // y = f(x) over its own range at its own precision.
    GraphItem* AddRanged(const std::string& expression, double from, double to, int precision,
                         GraphKind kind = KindYofX)
    {
        GraphItem* item = Add(expression, kind);
        item->useAdvanced = true;
        item->advRange = {from, to, precision};
        return item;
    }

    // What the view's Refresh does, then waits for the worker. False when
    // nothing could start.
    bool Refresh(RecordingSink& sink)
    {
        if (!doc.CollectDisplayedGraphs() || !doc.StartComputation(sink))
            return false;
        return doc.WaitForComputation(WorkerThread::kInfinite, {});
    }

    bool Refresh() { return Refresh(sink); }

    const GraphPoints& Slot(int i) const { return doc.GetGraphPoints(i); }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CCurvixDoc doc{settings};
    RecordingSink sink;
};
