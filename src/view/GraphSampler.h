#pragma once

#include "CExpression.h"
#include "GraphPoints.h"
#include "ManualResetEvent.h"
#include "PointScale.h"

#include <cstdint>
#include <memory>

class ComputationSink;

// Fills one slot with the samples of its graph: compiles the graph's
// expression(s) for the kind's argument variable, steps the argument over
// the effective range and stores every sample scaled. Tests the stop event
// after every sample and reports each new whole percent.
//
// The caller holds the computation lock; engine errors are thrown as
// CExprException.
class GraphSampler {
public:
    GraphSampler(GraphPoints& slot, int slotIndex, int displayedCount,
                 const ManualResetEvent& stop, ComputationSink& sink);

    // Samples by the slot's kind; false when the stop event ended it.
    bool Sample();

private:
    bool SampleYofX();
    bool SampleXofY();
    bool SampleParametric();
    bool SamplePolar();

    // Makes the kind's argument the only available variable and the current one.
    static void SelectArgument(const char* name);
    static std::unique_ptr<CExpression> Compile(const std::string& text);
    static double Value(CExpression& expression);

    // The sampling loop: fill(a) gives the point at the running argument a,
    // whose variable is already set. With rederive the argument is derived
    // from the index every kBlock samples; otherwise the step accumulates.
    // The arguments of a block and their roundings are worked out before
    // its evaluations: the rounding ends in a division whose latency would
    // otherwise hold up every evaluation.
    template <typename Fill>
    bool Run(bool rederive, Fill fill);
    static constexpr std::int32_t kBlock = 100;
    // After sample k: false when stopped, else reports a new percent. The
    // whole percent k * 100 / count changes when k * 100 reaches the next
    // multiple of count; that test saves a division a sample.
    bool Continue(std::int32_t k)
    {
        if (stop.IsSet())
            return false;
        const std::int64_t hundredfold = std::int64_t{k} * 100;
        if (hundredfold >= nextPercentAt) [[unlikely]]
            ReportPercent(hundredfold);
        return true;
    }
    [[gnu::cold]] void ReportPercent(std::int64_t hundredfold);

    GraphPoints& slot;
    const int slotIndex;
    const int displayedCount;
    const ManualResetEvent& stop;
    ComputationSink& sink;
    const PointScale scale;
    std::int64_t nextPercentAt;  // k * 100 from which the next percent is reported
};
