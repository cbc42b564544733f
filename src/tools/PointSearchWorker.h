#pragma once

struct PointRequest;

// Runs one search for points of interest, on whatever thread calls it:
// under the computation lock, compiles the function(s) for the argument
// letter, samples and refines them (PointSearch) and reports to the
// request's sink, progress along the way and the end once.
void PointSearchWorker(const PointRequest& request);
