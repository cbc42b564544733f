#include "tools/PointSearchWorker.h"

#include "expr/CExpression.h"
#include "expr/CVariableTable.h"
#include "expr/ExprConstants.h"
#include "tools/IntegralChecks.h"
#include "base/ManualResetEvent.h"
#include "tools/PointRequest.h"
#include "tools/PointSearch.h"

#include <cmath>
#include <memory>
#include <mutex>
#include <new>

namespace {

std::unique_ptr<CExpression> Compile(const std::string& text)
{
    auto expression = std::make_unique<CExpression>(text.c_str(), false);
    expression->Simplify();
    return expression;
}

// The value of the expression at x; the engine's false value means no value.
double ValueAt(CExpression& expression, double x)
{
    theVariables.SetCurrentValue(x);
    expression.Evaluate();
    const double value = expression.GetResult(nullptr);
    return value == EXPR_FALSE ? NAN : value;
}

// Reports each new whole percent and tells whether to go on.
class SearchMonitor {
public:
    explicit SearchMonitor(const PointRequest& searched) : m_request(searched) {}

    bool operator()(int percent)
    {
        if (percent != m_last) {
            m_last = percent;
            m_request.sink->SearchProgress(percent);
        }
        return !(m_request.stop && m_request.stop->IsSet());
    }

private:
    const PointRequest& m_request;
    int m_last = 0;
};

// Compiles and searches, all under the computation lock.
SearchOutcome Search(const PointRequest& request, std::vector<FoundPoint>& points)
{
    std::lock_guard lock(theVariables.Lock());
    SelectIntegralArgument(request.argument);
    const auto f = Compile(request.expression);
    const bool meet = request.goal == PointGoal::Intersections;
    const auto g = meet ? Compile(request.expression2) : nullptr;
    PointSearch::Function searched = [&](double x) { return ValueAt(*f, x); };
    if (meet)
        searched = [&](double x) { return ValueAt(*f, x) - ValueAt(*g, x); };
    PointSearch search(searched, request.from, request.to, request.samplesPerUnit);
    SearchMonitor monitor(request);
    if (!search.Run(request.goal == PointGoal::Extrema ? SearchGoal::Extrema : SearchGoal::Roots,
                    std::ref(monitor)))
        return SearchOutcome::Stopped;
    points = search.Points();
    if (meet) {
        for (FoundPoint& point : points)
            point.y = ValueAt(*f, point.x);
    }
    return SearchOutcome::Finished;
}

}  // namespace

void PointSearchWorker(const PointRequest& request)
{
    std::vector<FoundPoint> points;
    SearchOutcome outcome = SearchOutcome::Failed;
    std::optional<CExprException> error;
    try {
        outcome = Search(request, points);
    } catch (const CExprException& failure) {
        error = failure;
    } catch (const std::bad_alloc&) {
        error = CExprException(1003, nullptr);
    }
    request.sink->SearchDone(outcome, std::move(points), std::move(error));
}
