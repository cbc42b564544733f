#pragma once

#include "view/ComputationSink.h"

#include <chrono>

class QObject;

// Turns the graph worker's reports into posted events: progress to the
// progress window, the end to the view. Both receivers live on the user
// interface thread and must outlive the worker; a null one gets nothing.
// Progress reaches the window at most once an interval: a report that comes
// sooner after the last one posted is left out, since each one repaints the
// window.
class QtComputationSink : public ComputationSink {
public:
    static constexpr std::chrono::milliseconds kProgressInterval{33};

    QtComputationSink(QObject* view, QObject* progress);

    void GraphProgress(int percent, int displayedCount, int complete) override;
    void GraphDone(bool ok, std::optional<ComputationFailure> failure) override;

private:
    QObject* const m_view;
    QObject* const m_progress;
    bool m_posted = false;
    std::chrono::steady_clock::time_point m_lastPosted;
};
