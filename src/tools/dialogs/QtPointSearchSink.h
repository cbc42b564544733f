#pragma once

#include "tools/PointRequest.h"

class QObject;

// Turns the point search worker's reports into events posted to its dialog,
// which lives on the user interface thread and outlives the worker.
class QtPointSearchSink : public PointSearchSink {
public:
    explicit QtPointSearchSink(QObject* receiver) : m_target(receiver) {}

    void SearchProgress(int percent) override;
    void SearchDone(SearchOutcome outcome, std::vector<FoundPoint> points,
                    std::optional<CExprException> error) override;

private:
    QObject* const m_target;
};
