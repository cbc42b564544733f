#include "tools/IntegralRun.h"

#include "tools/ComputeIntegral.h"
#include "tools/IntegralSink.h"

IntegralRun::~IntegralRun()
{
    Stop();
    thread.Delete();
}

bool IntegralRun::Start(const IntegralRequest& request, IntegralSink& sink)
{
    if (IsRunning())
        return false;
    stop.Reset();
    return thread.Start([this, request, &sink] { sink.IntegralDone(ComputeIntegral(request, sink, &stop)); });
}
