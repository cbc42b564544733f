#include "base/WorkerThread.h"

#include <system_error>
#include <utility>

bool WorkerThread::Start(std::function<void()> body)
{
    Delete();
    ended.Reset();
    try {
        thread = std::thread([this, body = std::move(body)] {
            body();
            ended.Set();
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

bool WorkerThread::Wait(std::chrono::milliseconds timeout, const std::function<void()>& dispatch)
{
    if (!thread.joinable())
        return true;
    bool done = true;
    if (dispatch)
        done = WaitDispatching(timeout, dispatch);
    else if (timeout == kInfinite)
        ended.Wait();
    else
        done = ended.WaitFor(timeout);
    // A wait nested in dispatch may have joined the thread already.
    if (done && thread.joinable())
        thread.join();
    return done;
}

bool WorkerThread::WaitDispatching(std::chrono::milliseconds timeout,
                                   const std::function<void()>& dispatch)
{
    constexpr std::chrono::milliseconds kSlice{10};
    const auto start = std::chrono::steady_clock::now();
    while (!ended.WaitFor(kSlice)) {
        dispatch();
        if (timeout != kInfinite && std::chrono::steady_clock::now() - start >= timeout)
            return ended.IsSet();
    }
    return true;
}

void WorkerThread::Delete()
{
    if (thread.joinable())
        thread.join();
}
