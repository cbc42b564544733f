#pragma once

#include "expr/CExprException.h"
#include "model/GraphPoints.h"
#include "view/GraphSampler.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class ComputationSink;
class ManualResetEvent;

// Computes the graphs of the slots that are not complete on a number of
// threads: each slot's buffer is allocated and its expressions compiled in
// slot order under the computation lock, then the samples are computed in
// parts of at most kPartLength samples, taken in slot order by every
// thread, without the lock. A slot is complete once all of its parts are.
//
// Reports a new whole percent of the samples to compute (1-99) to the sink,
// from one thread at a time, with the number of complete slots. The stop
// event ends every thread. An engine error, or no memory for a buffer, ends
// the run at that slot as a one-thread run in slot order would: the slots
// before it are completed, the failing one is not.
class SamplingRun {
public:
    enum class Outcome { Computed, Stopped, NoMemory, Failed };

    static constexpr std::int32_t kPartLength = 256 * GraphSampler::kBlock;

    SamplingRun(std::vector<GraphPoints*> targets, const ManualResetEvent& stop, ComputationSink& sink,
                     unsigned threads);
    ~SamplingRun();
    SamplingRun(const SamplingRun&) = delete;
    SamplingRun& operator=(const SamplingRun&) = delete;

    // The threads of this machine, at least one.
    static unsigned HardwareThreads();

    // Runs on the calling thread and threads - 1 more; returns once every
    // one has ended.
    Outcome Run();
    // The slot that failed or had no memory.
    int FailedSlot() const { return m_failedSlot; }
    // The engine error of a failed slot; 1003 when compiling ran out of memory.
    const std::optional<CExprException>& Error() const { return m_error; }

private:
    struct Part;
    class Worker;

    // Allocates and compiles in slot order up to the first slot that fails.
    void Prepare();
    void AddParts(int slot, const GraphSampler& sampler);
    void Work();
    bool SamplePart(const Part& part);
    // Keeps the failure that comes first in slot and sample order.
    void Fail(std::int64_t position, int slot, std::optional<CExprException> why);
    bool FailedBefore(std::int64_t position) const { return m_failedAt.load(std::memory_order_acquire) < position; }
    void CountSamples(std::int32_t samples);
    void PartDone(const Part& part);

    std::vector<GraphPoints*> m_targets;
    const ManualResetEvent& m_stop;
    ComputationSink& m_sink;
    const unsigned m_threads;

    std::vector<std::unique_ptr<GraphSampler>> m_samplers;
    std::vector<Part> m_parts;
    std::vector<std::atomic<std::int32_t>> m_partsLeft;  // by slot
    std::atomic<size_t> m_nextPart{0};
    std::atomic<bool> m_stopped{false};

    std::int64_t m_totalSamples = 0;
    std::atomic<std::int64_t> m_samplesDone{0};
    std::atomic<int> m_completeSlots{0};
    std::mutex m_reportLock;
    std::atomic<int> m_reportedPercent{0};

    static constexpr std::int64_t kNoFailure = INT64_MAX;
    std::atomic<std::int64_t> m_failedAt{kNoFailure};  // slot << 32 | sample
    std::mutex m_failureLock;
    Outcome m_failure = Outcome::Computed;
    int m_failedSlot = -1;
    std::optional<CExprException> m_error;
};
