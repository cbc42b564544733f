#pragma once

#include "tools/FoundPoint.h"
#include "expr/CExprException.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ManualResetEvent;
class PointSearchSink;

// What a search for points of interest looks for: the roots of the first
// function, its local extrema, or the points where the two functions meet.
enum class PointGoal { Roots, Extrema, Intersections };

// One search: the function(s) of one argument letter, the range and the
// precision in samples a unit. The sink must outlive the run.
struct PointRequest {
    PointGoal goal = PointGoal::Roots;
    std::string expression;
    std::string expression2;  // the second function of an intersection
    char argument = 'x';
    double from = 0;
    double to = 1;
    std::int32_t samplesPerUnit = 200;
    PointSearchSink* sink = nullptr;
    const ManualResetEvent* stop = nullptr;  // polled now and then; may be null
};

// How a search ended.
enum class SearchOutcome { Finished, Stopped, Failed };

// Where the search worker reports, from its own thread. Implementations only
// hand the report on; they never block the worker.
class PointSearchSink {
public:
    virtual ~PointSearchSink() = default;

    // A new whole percent (0-100) of the range is done.
    virtual void SearchProgress(int percent) = 0;
    // The run ended: the points found in ascending order when finished, a
    // copy of the engine's error when failed.
    virtual void SearchDone(SearchOutcome outcome, std::vector<FoundPoint> points,
                            std::optional<CExprException> error) = 0;
};
