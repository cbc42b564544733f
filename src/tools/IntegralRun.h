#pragma once

#include "tools/IntegralRequest.h"
#include "base/ManualResetEvent.h"
#include "base/WorkerThread.h"

#include <chrono>
#include <functional>

class IntegralSink;

// Runs one definite integral at a time on a thread of its own. The thread
// writes nothing but its reports to the sink: the results travel inside the
// done report. Only one thread (the user interface's) calls the operations.
class IntegralRun {
public:
    IntegralRun() = default;
    IntegralRun(const IntegralRun&) = delete;
    IntegralRun& operator=(const IntegralRun&) = delete;
    // Stops a run that is still going and waits for it.
    ~IntegralRun();

    // Starts computing request on a new thread that reports to sink (it must
    // outlive the run). False while a run is going or when the system has no
    // thread to give; nothing is reported then.
    bool Start(const IntegralRequest& request, IntegralSink& sink);
    // Asks a running computation to stop and returns at once; it ends at its
    // next step and reports IntegralStopped.
    void Stop() { m_stop.Set(); }
    bool IsRunning() const { return m_thread.IsRunning(); }
    // Waits for the run as WorkerThread::Wait does.
    bool Wait(std::chrono::milliseconds timeout, const std::function<void()>& dispatch)
    {
        return m_thread.Wait(timeout, dispatch);
    }

private:
    ManualResetEvent m_stop;
    WorkerThread m_thread;
};
