#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

// An event that stays signalled from Set until Reset; any number of threads
// may test it or wait for it.
class ManualResetEvent {
public:
    void Set();
    void Reset();
    // Tests without waiting.
    bool IsSet() const { return signalled.load(std::memory_order_acquire); }
    void Wait();
    // True when the event is signalled within the timeout.
    bool WaitFor(std::chrono::milliseconds timeout);

private:
    std::atomic<bool> signalled{false};
    std::mutex mutex;
    std::condition_variable changed;
};
