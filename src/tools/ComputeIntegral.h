#pragma once

#include "tools/IntegralResult.h"

class IntegralSink;
class ManualResetEvent;
struct IntegralRequest;

// The definite integral of the request's function: compiles it for its
// argument letter under the computation lock, then, without the lock,
// samples it from `from` to `to` at 1/N steps and sums the trapezoids of the
// signed values (integral) and of the absolute values (area). Tells progress
// each new whole percent; polls stop, when given, after every sample. Engine
// errors end up in the result, never thrown.
IntegralResult ComputeIntegral(const IntegralRequest& request, IntegralSink& progress, const ManualResetEvent* stop);
