#pragma once

// A document on default settings with the computation of its graphs,
// and a sink that records what the worker reports.

#include "model/AppSettings.h"
#include "model/CCurvixDoc.h"
#include "view/ComputationSink.h"
#include "view/GraphComputation.h"
#include "expr/InitExpressionEngine.h"
#include "model/MemorySettingsBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Read once the worker has been joined. onProgress, when set, runs on a
// worker thread at each report.
class RecordingSink : public ComputationSink {
public:
    void GraphProgress(int percent, int, int complete) override
    {
        percents.push_back(percent);
        if (onProgress)
            onProgress(percent, complete);
    }
    void GraphDone(bool ok, std::optional<ComputationFailure> failure) override
    {
        done.push_back(ok);
        if (failure)
            failures.push_back(*failure);
    }

    std::function<void(int percent, int complete)> onProgress;
    std::vector<int> percents;
    std::vector<bool> done;
    std::vector<ComputationFailure> failures;
};

class ComputationFixture : public testing::Test {
protected:
    ComputationFixture()
    {
        [[maybe_unused]] static const bool started = (InitExpressionEngine(), true);
    }

    // Empties the document as New does, with the picture of its contents.
    void NewContents()
    {
        m_doc.DeleteContents();
        m_computation.Reset(m_settings.defaultCoordSystem);
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
        return m_doc.AddGraph(item);
    }

    // What the view's Refresh does, then waits for the worker. False when
    // nothing could start.
    bool Refresh(RecordingSink& to)
    {
        return m_computation.Collect(m_doc) && m_computation.Start(m_doc, to)
               && m_computation.Wait(WorkerThread::kInfinite, {});
    }

    // Refresh, and the slots it sampled: every buffer is marked before.
    std::vector<int> RefreshListingSampled(RecordingSink& to)
    {
        constexpr ScaledPoint kMark{7777777, -7777777};
        for (int i = 0; i < m_computation.DisplayedCount(); ++i) {
            if (Slot(i).HasPoints())
                m_computation.Points(i).points[0] = kMark;
        }
        EXPECT_TRUE(Refresh(to));
        std::vector<int> sampled;
        for (int i = 0; i < m_computation.DisplayedCount(); ++i) {
            if (Slot(i).points[0].x != kMark.x || Slot(i).points[0].y != kMark.y)
                sampled.push_back(i);
        }
        return sampled;
    }

    const GraphPoints& Slot(int i) const { return m_computation.Points(i); }

    MemorySettingsBackend m_backend;
    AppSettings m_settings{m_backend};
    CCurvixDoc m_doc{m_settings};
    GraphComputation m_computation{m_settings.defaultCoordSystem};
    RecordingSink m_sink;
};
