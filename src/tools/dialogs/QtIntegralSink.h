#pragma once

#include "tools/IntegralSink.h"

class QObject;

// Turns an integral run's reports into events posted to the results page,
// which lives on the user interface thread and outlives the run.
class QtIntegralSink : public IntegralSink {
public:
    explicit QtIntegralSink(QObject* receiver) : m_target(receiver) {}

    void IntegralProgress(int percent) override;
    void IntegralDone(IntegralResult result) override;

private:
    QObject* const m_target;
};
