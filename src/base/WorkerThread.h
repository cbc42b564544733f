#pragma once

#include "base/ManualResetEvent.h"

#include <chrono>
#include <functional>
#include <thread>

// A worker thread that outlives its own end until it is waited for, so that
// callers can ask whether it still runs and wait for it with a timeout.
class WorkerThread {
public:
    static constexpr std::chrono::milliseconds kInfinite = std::chrono::milliseconds::max();

    WorkerThread() = default;
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    // Waits for a thread that still runs.
    ~WorkerThread() { Delete(); }

    // Waits for the previous thread, then runs body on a new one; false when
    // the system has no thread to give.
    bool Start(std::function<void()> body);
    // A thread was started and has not reached its end.
    bool IsRunning() const { return m_thread.joinable() && !m_ended.IsSet(); }
    // Waits for the thread to end, calling dispatch (when given) about every
    // 10 ms meanwhile. True when it ended (or none was started), false when
    // the timeout passed first.
    bool Wait(std::chrono::milliseconds timeout, const std::function<void()>& dispatch);
    // Waits for the thread without a time limit and forgets it.
    void Delete();

private:
    bool WaitDispatching(std::chrono::milliseconds timeout, const std::function<void()>& dispatch);

    std::thread m_thread;
    ManualResetEvent m_ended;
};
