#pragma once

#include "ComputationSink.h"

class QObject;

// Turns the graph worker's reports into posted events: progress to the
// progress window, the end to the view. Both receivers live on the user
// interface thread and must outlive the worker; a null one gets nothing.
class QtComputationSink : public ComputationSink {
public:
    QtComputationSink(QObject* view, QObject* progress);

    void GraphProgress(int percent, int displayedCount, int slot) override;
    void GraphDone(bool ok, std::optional<ComputationFailure> failure) override;

private:
    QObject* const view;
    QObject* const progress;
};
