#pragma once

#include "IntegralSink.h"

class QObject;

// Turns the integral worker's reports into events posted to the results
// page, which lives on the user interface thread and outlives the worker.
class QtIntegralSink : public IntegralSink {
public:
    explicit QtIntegralSink(QObject* target) : target(target) {}

    void IntegralProgress(int percent) override;
    void IntegralDone(IntegralOutcome outcome, std::optional<CExprException> error) override;

private:
    QObject* const target;
};
