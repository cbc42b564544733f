#include "base/WorkerThread.h"

#include <system_error>
#include <utility>

bool WorkerThread::Start(std::function<void()> body)
{
    Delete();
    m_ended.Reset();
    try {
        m_thread = std::thread([this, body = std::move(body)] {
            body();
            m_ended.Set();
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

bool WorkerThread::Wait(std::chrono::milliseconds timeout, const std::function<void()>& dispatch)
{
    if (!m_thread.joinable())
        return true;
    bool done = true;
    if (dispatch)
        done = WaitDispatching(timeout, dispatch);
    else if (timeout == kInfinite)
        m_ended.Wait();
    else
        done = m_ended.WaitFor(timeout);
    // A wait nested in dispatch may have joined the thread already.
    if (done && m_thread.joinable())
        m_thread.join();
    return done;
}

bool WorkerThread::WaitDispatching(std::chrono::milliseconds timeout,
                                   const std::function<void()>& dispatch)
{
    constexpr std::chrono::milliseconds kSlice{10};
    const auto start = std::chrono::steady_clock::now();
    while (!m_ended.WaitFor(kSlice)) {
        dispatch();
        if (timeout != kInfinite && std::chrono::steady_clock::now() - start >= timeout)
            return m_ended.IsSet();
    }
    return true;
}

void WorkerThread::Delete()
{
    if (m_thread.joinable())
        m_thread.join();
}
