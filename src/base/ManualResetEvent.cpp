#include "base/ManualResetEvent.h"

void ManualResetEvent::Set()
{
    {
        std::lock_guard lock(m_mutex);
        m_signalled.store(true, std::memory_order_release);
    }
    m_changed.notify_all();
}

void ManualResetEvent::Reset()
{
    std::lock_guard lock(m_mutex);
    m_signalled.store(false, std::memory_order_release);
}

void ManualResetEvent::Wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return IsSet(); });
}

bool ManualResetEvent::WaitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return IsSet(); });
}
