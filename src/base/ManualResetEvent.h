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
    bool IsSet() const { return m_signalled.load(std::memory_order_acquire); }
    void Wait();
    // True when the event is signalled within the timeout.
    bool WaitFor(std::chrono::milliseconds timeout);

private:
    std::atomic<bool> m_signalled{false};
    std::mutex m_mutex;
    std::condition_variable m_changed;
};
