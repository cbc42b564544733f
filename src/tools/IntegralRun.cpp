#include "tools/IntegralRun.h"

#include "tools/ComputeIntegral.h"
#include "tools/IntegralSink.h"

IntegralRun::~IntegralRun()
{
    Stop();
    m_thread.Delete();
}

bool IntegralRun::Start(const IntegralRequest& request, IntegralSink& sink)
{
    if (IsRunning())
        return false;
    m_stop.Reset();
    return m_thread.Start([this, request, &sink] { sink.IntegralDone(ComputeIntegral(request, sink, &m_stop)); });
}
