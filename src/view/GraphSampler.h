#pragma once

#include "expr/CExpression.h"
#include "model/GraphPoints.h"
#include "base/ManualResetEvent.h"
#include "view/PointScale.h"

#include <cstdint>
#include <memory>
#include <vector>

// Where a sampling run reports, from the thread that samples: after every
// block of samples. False asks the run to end there.
class SampleWatch {
public:
    virtual bool BlockDone(std::int32_t samples) = 0;

protected:
    ~SampleWatch() = default;
};

// The samples of one slot's graph: compiles the graph's expression(s) for
// the kind's argument variable, then fills any part of the slot, from any
// thread, steps the argument over that part and stores every sample
// scaled. Parts sampled on several threads at once give the very samples
// one run over the whole slot gives.
class GraphSampler {
public:
    // The caller holds the computation lock; engine errors are thrown as
    // CExprException.
    explicit GraphSampler(GraphPoints& slot);

    // Parts start at multiples of this number of samples.
    static constexpr std::int32_t kBlock = 100;

    // The argument from which sampling starts at sample begin (a multiple
    // of kBlock), for each part of `length` samples in order: the kinds
    // whose argument accumulates its step sum the steps up to there.
    std::vector<double> PartStarts(std::int32_t length) const;

    // Fills samples [begin, end) from the argument start (from PartStarts).
    // Tests the stop event after every sample; false when it or the watch
    // ended the run. Engine errors are thrown as CExprException.
    bool SamplePart(std::int32_t begin, std::int32_t end, double start, const ManualResetEvent& stop,
                    SampleWatch& watch) const;

private:
    // Makes the kind's argument the only available variable and the current one.
    static void SelectArgument(const char* name);
    static std::unique_ptr<CExpression> Compile(const std::string& text);

    template <typename Fill>
    bool Run(std::int32_t begin, std::int32_t end, double start, const ManualResetEvent& stop, SampleWatch& watch,
             Fill fill) const;
    // The y = f(x) kind derives the argument from the index at every block;
    // the others accumulate the step.
    bool Rederives() const { return m_slot.source.kind == KindYofX; }

    GraphPoints& m_slot;
    const PointScale m_scale;
    std::unique_ptr<CExpression> m_f;
    std::unique_ptr<CExpression> m_g;  // the parametric kind's y
};
