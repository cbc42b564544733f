#include "base/ManualResetEvent.h"

void ManualResetEvent::Set()
{
    {
        std::lock_guard lock(mutex);
        signalled.store(true, std::memory_order_release);
    }
    changed.notify_all();
}

void ManualResetEvent::Reset()
{
    std::lock_guard lock(mutex);
    signalled.store(false, std::memory_order_release);
}

void ManualResetEvent::Wait()
{
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return IsSet(); });
}

bool ManualResetEvent::WaitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, timeout, [this] { return IsSet(); });
}
