#pragma once

struct IntegralRequest;

// The definite-integral worker that CCurvixDoc::StartIntegral runs on its
// own thread: samples the function from `from` to `to` at 1/N steps under the
// computation lock, sums the trapezoids of the signed values (integral) and
// of the absolute values (area), stores both and reports the end to the
// request's sink; polls the stop event every step.
void IntegralWorker(const IntegralRequest& request);
